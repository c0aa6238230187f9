// Input a window system delivers while the game is busy (key and button changes, pointer moves),
// held back in arrival order until the next pass begins. The game therefore sees input change
// only between passes, which is exactly what a recording can reproduce.
#pragma once
#include <optional>
#include <vector>

#include "platform/input_recorder.hpp"
#include "platform/input_state.hpp"
#include "platform/platform.hpp"

namespace gloam::platform {

class PendingInput {
 public:
  // A key or mouse button (a virtual-key code) went down (an auto-repeat too) or up.
  void key(int virtualKey, bool down) { keys_.push_back({virtualKey, down}); }
  // The pointer now stands here; only the last position before a pass matters.
  void pointer(Point where) { pointer_ = where; }

  // Hands the held-back key changes to `input` in arrival order, noting each in `recorder` (if
  // any) under `frame`. Returns the pointer's newest position, or nullopt if it did not move.
  std::optional<Point> release(InputState& input, InputRecorder* recorder, int frame);

 private:
  struct KeyChange {
    int virtualKey;
    bool down;
  };
  std::vector<KeyChange> keys_;
  std::optional<Point> pointer_;
};

}  // namespace gloam::platform
