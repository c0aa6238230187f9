// The input every platform keeps for the game: which virtual keys are held, which were pressed
// since their last read, and the events waiting for the window procedure. A platform feeds it the
// changes it takes from its window system or script; the game reads it through the Platform door.
#pragma once
#include <array>
#include <deque>
#include <optional>

#include "platform/platform.hpp"

namespace gloam::platform {

class InputState {
 public:
  // A key or mouse button (a virtual-key code, 0..255) went down or up. Every down, an
  // auto-repeat included, also queues a KeyPress event; codes outside 0..255 are ignored.
  void change(int virtualKey, bool down);
  // Held, or pressed since the last read of this key; the read consumes the press.
  bool read(int virtualKey);
  void post(Event event) { events_.push_back(event); }
  std::optional<Event> next();

 private:
  std::array<bool, 256> held_{};
  std::array<bool, 256> pressed_{};
  std::deque<Event> events_;
};

}  // namespace gloam::platform
