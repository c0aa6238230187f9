#include "platform/pending_input.hpp"

namespace gloam::platform {

std::optional<Point> PendingInput::release(InputState& input, InputRecorder* recorder, int frame) {
  for (const KeyChange& c : keys_) {
    if (recorder) recorder->keyChange(frame, c.virtualKey, c.down);
    input.change(c.virtualKey, c.down);
  }
  keys_.clear();
  const std::optional<Point> moved = pointer_;
  pointer_.reset();
  return moved;
}

}  // namespace gloam::platform
