// Keys and mouse from the page, through html5.h. Events are queued as they arrive (while the game
// waits or yields) and become visible only when `takePending` hands them to the pass that starts.
#pragma once
#include <vector>

namespace gloam::platform {

struct BrowserInputEvent {
  enum class Kind { KeyDown, KeyUp, ButtonDown, ButtonUp, Move, Blur };
  Kind kind = Kind::Move;
  int key = 0;         // virtual key for keys and buttons
  bool repeat = false; // an auto-repeat of a held key
  float x = 0;         // canvas pixels for Move
  float y = 0;
};

class BrowserInput {
 public:
  // Listens on the canvas (keys, buttons down, moves) and the window (buttons up, lost focus), so
  // a button released outside the canvas is not left down.
  void listen(const char* canvasSelector);
  std::vector<BrowserInputEvent>& pending() { return pending_; }
  void push(const BrowserInputEvent& e) { pending_.push_back(e); }

 private:
  std::vector<BrowserInputEvent> pending_;
};

}  // namespace gloam::platform
