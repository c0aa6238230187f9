// Following is event driven: a player standing still, or walking well inside the screen, leaves
// the view to the scroll keys.
#include "comfort/view_follow.hpp"

#include <algorithm>

namespace gloam::comfort {

void clampViewOrigin(world::ViewOrigin& view, const ScreenMode& mode) {
  view.sy = std::max(std::min(view.sy, GridSide - mode.height / TileSize), 0);
  view.sx = std::max(std::min(view.sx, GridSide - mode.width / TileSize), 0);
  view.sz = std::max(std::min(view.sz, LevelCount - 1), 0);
}

void centreViewOn(world::ViewOrigin& view, const units::UnitRecord& player, const ScreenMode& mode) {
  view = {player.cellX - mode.width / TileSize / 2, player.cellY - mode.height / TileSize / 2, player.level};
  clampViewOrigin(view, mode);
}

bool wellInside(const world::ViewOrigin& view, const units::UnitRecord& player, const ScreenMode& mode) {
  const int dx = player.cellX - view.sx;
  const int dy = player.cellY - view.sy;
  const int columns = mode.width / TileSize;
  const int rows = mode.height / TileSize;
  return player.level == view.sz && dx >= FollowMargin && dy >= FollowMargin && dx < columns - FollowMargin &&
         dy < rows - FollowMargin;
}

void followPlayer(FollowState& state, world::ViewOrigin& view, const units::UnitRecord& player,
                  const ScreenMode& mode) {
  const bool mapView = mode.width == MapViewWidth;
  const bool entered = mapView && !state.inMapView;
  const bool stepped = player.cellX != state.lastX || player.cellY != state.lastY || player.level != state.lastZ;
  if (mapView && player.inUse == 1 &&
      (entered || state.centreRequested || (stepped && !wellInside(view, player, mode))))
    centreViewOn(view, player, mode);
  state.inMapView = mapView;
  state.centreRequested = false;
  state.lastX = player.cellX;
  state.lastY = player.cellY;
  state.lastZ = player.level;
}

}  // namespace gloam::comfort
