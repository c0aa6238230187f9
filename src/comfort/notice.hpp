// The notice line in comfort mode: the key hint, or for a while a message in its place ("press
// Escape again to quit", "no way there"). The state dump reports the line as shown.
#pragma once
#include <array>

namespace gloam::comfort {

// The hint names the help key; it fits the 320-pixel mode from x = 12 in the SmallFont.
inline constexpr char HintText[] = "H HELP  F5 3D VIEW  F6 MAP  RIGHT CLICK WALK  TAB CONSOLE  ESC QUIT";
inline constexpr char QuitPromptText[] = "press Escape again to quit";
inline constexpr char NoRouteText[] = "no way there";
inline constexpr int NoticeShownMs = 2000;  // a message, and the time a second Escape has to quit
inline constexpr int NoticeSize = 64;

struct Notice {
  std::array<char, NoticeSize> text{};  // the message, zero-terminated
  int passesLeft = 0;                   // passes it is still shown; the hint after that
};

// Shows the message in place of the hint for `passes` passes.
void showNotice(Notice& notice, const char* message, int passes);

// One pass gone by.
void countDownNotice(Notice& notice);

// The line as shown now: the message while it lasts, else the hint.
const char* noticeLine(const Notice& notice);

}  // namespace gloam::comfort
