// The texts over every view in comfort mode: the banner, the notice line once (not three times
// over itself; comfort's hint or a message) and the status line, each on a dark strip. The status
// line sits lower than the classic one, leaving the row under the console prompt to the console's
// result line.
#pragma once
#include "core/screen.hpp"
#include "draw/text.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::comfort {

inline constexpr int ComfortNoticeY = 14;
inline constexpr int ComfortStatusY = 44;

// The banner, the notice line as given (the hint or a message) and the status line.
void drawComfortTexts(Screen& screen, draw::TextBuffer& text, const char* noticeLine, const world::ViewOrigin& origin,
                      int mouseX, int mouseY);

}  // namespace gloam::comfort
