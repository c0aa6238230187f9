// The scroll keys in comfort mode: an arrow moves the view one cell per press and numeric-pad
// plus and minus change the level once per press, each repeating while held (key_repeat.hpp),
// with no pause. The view is then clamped as the classic scroll keys clamp it.
#pragma once
#include "comfort/key_repeat.hpp"
#include "core/screen.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::comfort {

// This pass's state of each scroll key.
struct ScrollKeysDown {
  bool up = false;
  bool down = false;
  bool right = false;
  bool left = false;
  bool levelUp = false;    // numeric-pad plus: SZ + 1
  bool levelDown = false;  // numeric-pad minus: SZ - 1
};

struct ScrollRepeat {
  KeyRepeat up, down, right, left, levelUp, levelDown;
};

void scrollView(ScrollRepeat& repeat, const ScrollKeysDown& keys, const RepeatTiming& timing, world::ViewOrigin& view,
                const ScreenMode& mode);

}  // namespace gloam::comfort
