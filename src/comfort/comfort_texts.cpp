// Comfort's texts: the classic wording, placed and drawn on dark strips.
#include "comfort/comfort_texts.hpp"

#include "comfort/text_strips.hpp"
#include "views/overlay_texts.hpp"

namespace gloam::comfort {

void drawComfortTexts(Screen& screen, draw::TextBuffer& text, const char* noticeLine, const world::ViewOrigin& origin,
                      int mouseX, int mouseY) {
  constexpr Colour Yellow{255, 255, 0};
  draw::formatText(text, "%s", views::BannerText);
  drawSmallOnStrip(screen, text, views::BannerX, screen.mode.height - views::BannerDrop, Yellow);
  draw::formatText(text, "%s", noticeLine);
  drawSmallOnStrip(screen, text, views::NoticeX, ComfortNoticeY, Yellow);
  views::formatStatusLine(text, origin, mouseX, mouseY);
  drawLargeOnStrip(screen, text, views::StatusX, ComfortStatusY, Yellow);
}

}  // namespace gloam::comfort
