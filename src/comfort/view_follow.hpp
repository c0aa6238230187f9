// The map following the PlayerUnit: in the top-down view the ViewOrigin is moved so that the
// PlayerUnit stands in the middle of the screen on entering the view, after a teleport, and when
// a step brings it within FollowMargin cells of an edge (or off the screen). The view is then
// clamped the way the scroll keys clamp it.
#pragma once
#include "core/screen.hpp"
#include "units/unit_table.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::comfort {

inline constexpr int FollowMargin = 4;  // cells kept between the PlayerUnit and every edge

struct FollowState {
  bool inMapView = false;        // the last pass showed the top-down view
  bool centreRequested = false;  // a teleport asks for the next follow step to centre
  int lastX = -1;                // the PlayerUnit's cell as the last follow step saw it
  int lastY = -1;
  int lastZ = -1;
};

// Puts the PlayerUnit's cell in the middle column and row of the screen and its level on show,
// then clamps.
void centreViewOn(world::ViewOrigin& view, const units::UnitRecord& player, const ScreenMode& mode);

// Whether the PlayerUnit is on the shown level with at least FollowMargin cells between it and
// every edge of the screen.
bool wellInside(const world::ViewOrigin& view, const units::UnitRecord& player, const ScreenMode& mode);

// Once per pass, after everything that moves the player or changes the mode.
void followPlayer(FollowState& state, world::ViewOrigin& view, const units::UnitRecord& player, const ScreenMode& mode);

}  // namespace gloam::comfort
