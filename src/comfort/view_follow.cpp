// Following is event driven: a player standing still, or walking well inside the screen, leaves
// the view to the scroll keys.
#include "comfort/view_follow.hpp"

#include "views/view_clamps.hpp"

namespace gloam::comfort {

void centreViewOn(world::ViewOrigin& view, const units::UnitRecord& player, const ScreenMode& mode) {
  view = {player.cellX - mode.width / TileSize / 2, player.cellY - mode.height / TileSize / 2, player.level};
  views::clampScrolledView(view, mode);
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
  const bool mapView = mode.width == MapMode.width;
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
