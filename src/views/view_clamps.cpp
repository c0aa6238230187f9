// Each clamp keeps the order its rule is written in: the start-up clamp raises to the lower
// bounds first, the scroll clamp lowers to the upper bounds first. With these bounds the order
// cannot change a result; it is kept as it reads.
#include "views/view_clamps.hpp"

#include <algorithm>

namespace gloam::views {

void clampStartupView(world::ViewOrigin& v, const ScreenMode& m) {
  v.sx = std::max(v.sx, 1);
  v.sy = std::max(v.sy, 1);
  v.sz = std::max(v.sz, 0);
  v.sx = std::min(v.sx, GridSide - 1 - m.width / TileSize);
  v.sy = std::min(v.sy, GridSide - 1 - m.height / TileSize);
  v.sz = std::min(v.sz, LevelCount - 1);
}

void clampScrolledView(world::ViewOrigin& v, const ScreenMode& m) {
  v.sy = std::max(std::min(v.sy, GridSide - m.height / TileSize), 0);
  v.sx = std::max(std::min(v.sx, GridSide - m.width / TileSize), 0);
  v.sz = std::max(std::min(v.sz, LevelCount - 1), 0);
}

}  // namespace gloam::views
