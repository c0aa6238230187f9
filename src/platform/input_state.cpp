// A press is latched until it is read, so a tap shorter than a pass, or one made while a pause
// blocks the loop, is still seen exactly once.
#include "platform/input_state.hpp"

namespace gloam::platform {

void InputState::change(int virtualKey, bool down) {
  if (!isKeyCode(virtualKey)) return;
  held_[virtualKey] = down;
  if (!down) return;
  pressed_[virtualKey] = true;
  events_.push_back(Event{Event::Kind::KeyPress, virtualKey});
}

bool InputState::read(int virtualKey) {
  if (!isKeyCode(virtualKey)) return false;
  const bool down = held_[virtualKey] || pressed_[virtualKey];
  pressed_[virtualKey] = false;
  return down;
}

std::optional<Event> InputState::next() {
  if (events_.empty()) return std::nullopt;
  const Event e = events_.front();
  events_.pop_front();
  return e;
}

}  // namespace gloam::platform
