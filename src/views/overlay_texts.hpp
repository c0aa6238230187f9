// The texts drawn over every view: the banner near the top, the notice line three times near the
// bottom, and the status line with the ViewOrigin and the mouse position.
#pragma once
#include "core/screen.hpp"
#include "draw/text.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::views {

inline constexpr char BannerText[] = "GLOAMDELVE";
inline constexpr int BannerX = 12;
inline constexpr int BannerDrop = 14;  // the banner's y is ScreenHeight - 14

// The main keys, in the SmallFont; it fits the 320-pixel mode from x = 12.
inline constexpr char NoticeText[] = "F5 3D VIEW  F6 MAP  RIGHT CLICK WALK  ARROWS SCROLL  TAB CONSOLE  ESC QUIT";
inline constexpr int NoticeX = 12;
inline constexpr int NoticeRows[] = {14, 26, 38};

inline constexpr Rgb OverlayYellow{255, 255, 0};

inline constexpr int StatusX = 12;
inline constexpr int StatusY = 55;

// Banner, notice lines and status line, in that order, all in yellow.
void drawOverlayTexts(Screen& screen, draw::TextBuffer& text, const world::ViewOrigin& origin, int mouseX, int mouseY);

void drawBanner(Screen& screen, draw::TextBuffer& text);
void drawNoticeLines(Screen& screen, draw::TextBuffer& text);
// "SX=%d,SY=%d,SZ=%d mx=%d my=%d" into the TextBuffer.
void formatStatusLine(draw::TextBuffer& text, const world::ViewOrigin& origin, int mouseX, int mouseY);
void drawStatusLine(Screen& screen, draw::TextBuffer& text, const world::ViewOrigin& origin, int mouseX, int mouseY);

}  // namespace gloam::views
