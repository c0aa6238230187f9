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
  // Whether the key is held now, and a change of that alone: no press is latched and no event
  // queued. For a platform that asks the system which keys are down as well as hearing them go.
  bool held(int virtualKey) const { return isKeyCode(virtualKey) && held_[virtualKey]; }
  void hold(int virtualKey, bool down) {
    if (isKeyCode(virtualKey)) held_[virtualKey] = down;
  }
  void post(Event event) { events_.push_back(event); }
  std::optional<Event> next();

 private:
  static bool isKeyCode(int virtualKey) { return virtualKey >= 0 && virtualKey < 256; }

  std::array<bool, 256> held_{};
  std::array<bool, 256> pressed_{};
  std::deque<Event> events_;
};

}  // namespace gloam::platform
