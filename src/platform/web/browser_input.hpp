// Keys and mouse from the page, through html5.h. Events are queued as they arrive (while the game
// waits or yields) and become visible only when the platform hands them to the pass that starts.
#pragma once
#include <array>

#include "platform/pending_input.hpp"

namespace gloam::platform {

class BrowserInput {
 public:
  BrowserInput() = default;
  BrowserInput(const BrowserInput&) = delete;
  BrowserInput& operator=(const BrowserInput&) = delete;
  // Stops listening: a page plays one game after another, and the events of the next one must not
  // reach this one once it has ended.
  ~BrowserInput();

  // Listens on the canvas (keys, buttons down, moves) and the window (buttons up), so a button
  // released outside the canvas is not left down. The callbacks hold `this`: it must not move.
  void listen(const char* canvasSelector);
  PendingInput& pending() { return pending_; }

  void down(int key);
  void up(int key);
  void move(float x, float y) { pending_.pointer(Point{x, y}); }  // canvas pixels
  // The canvas lost the keyboard: it will not hear the releases, so every key it holds goes up.
  void releaseAll();

 private:
  const char* canvasSelector_ = nullptr;  // while listening
  PendingInput pending_;
  std::array<bool, 256> held_{};
};

}  // namespace gloam::platform
