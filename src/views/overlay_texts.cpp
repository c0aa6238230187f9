// Banner, notice and status line. Each is formatted into the TextBuffer and drawn from there, so the
// buffer holds the status line when this returns.
#include "views/overlay_texts.hpp"

namespace gloam::views {

void drawBanner(Screen& screen, draw::TextBuffer& text) {
  draw::formatText(text, "%s", BannerText);
  draw::drawText(screen, text, BannerX, screen.mode.height - BannerDrop, OverlayYellow);
}

void drawNoticeLines(Screen& screen, draw::TextBuffer& text) {
  for (const int y : NoticeRows) {
    draw::formatText(text, "%s", NoticeText);
    draw::drawText(screen, text, NoticeX, y, OverlayYellow);
  }
}

void formatStatusLine(draw::TextBuffer& text, const world::ViewOrigin& origin, int mouseX, int mouseY) {
  draw::formatText(text, "SX=%d,SY=%d,SZ=%d mx=%d my=%d", origin.sx, origin.sy, origin.sz, mouseX, mouseY);
}

void drawStatusLine(Screen& screen, draw::TextBuffer& text, const world::ViewOrigin& origin, int mouseX, int mouseY) {
  formatStatusLine(text, origin, mouseX, mouseY);
  draw::drawTextLarge(screen, text, StatusX, StatusY, OverlayYellow);
}

void drawOverlayTexts(Screen& screen, draw::TextBuffer& text, const world::ViewOrigin& origin, int mouseX, int mouseY) {
  drawBanner(screen, text);
  drawNoticeLines(screen, text);
  drawStatusLine(screen, text, origin, mouseX, mouseY);
}

}  // namespace gloam::views
