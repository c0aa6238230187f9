// Everything comfort mode keeps between passes, owned by the Game next to the classic state and
// used only when comfort mode is on.
#pragma once
#include "comfort/comfort_console.hpp"
#include "comfort/drag_look.hpp"
#include "comfort/notice.hpp"
#include "comfort/pass_timing.hpp"
#include "comfort/scroll_keys.hpp"
#include "comfort/view_follow.hpp"

namespace gloam::comfort {

// The keys that act once per press in comfort mode, with their state on the last pass.
struct PressedKeys {
  bool zoom[4] = {};         // F1..F4
  bool firstPerson = false;  // F5
  bool map = false;          // F6
  bool escape = false;
  bool help = false;  // H
};

struct ComfortState {
  int passesPerSecond = DefaultPassesPerSecond;
  FollowState follow;
  ScrollRepeat scroll;
  PressedKeys pressed;
  ComfortConsole console;
  bool shiftDown = false;  // Shift on this pass, for the presses the message drain hands out
  DragLook drag;
  Notice notice;
  int quitPassesLeft = 0;  // after a first Escape: passes in which a second one quits
  bool helpShown = false;  // the H panel is up
};

}  // namespace gloam::comfort
