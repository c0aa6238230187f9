#include "comfort/scroll_keys.hpp"

#include "views/view_clamps.hpp"

namespace gloam::comfort {

void scrollView(ScrollRepeat& repeat, const ScrollKeysDown& keys, const RepeatTiming& timing, world::ViewOrigin& view,
                const ScreenMode& mode) {
  view.sy += repeatActions(repeat.up, keys.up, timing);
  view.sy -= repeatActions(repeat.down, keys.down, timing);
  view.sx += repeatActions(repeat.right, keys.right, timing);
  view.sx -= repeatActions(repeat.left, keys.left, timing);
  view.sz += repeatActions(repeat.levelUp, keys.levelUp, timing);
  view.sz -= repeatActions(repeat.levelDown, keys.levelDown, timing);
  views::clampScrolledView(view, mode);
}

}  // namespace gloam::comfort
