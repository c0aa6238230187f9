// The map following the PlayerUnit on a bare grid: when it centres (entering the map view, a
// teleport, a step near an edge or off the screen), when it leaves the view alone, and the clamps.
#include <gtest/gtest.h>

#include <array>

#include "comfort/view_follow.hpp"

namespace gloam::comfort {
namespace {

constexpr ScreenMode Map{640, 480, 1};
constexpr ScreenMode FirstPerson{320, 240, 2};

units::UnitRecord playerAt(int x, int y, int z) {
  units::UnitRecord p{};
  p.inUse = 1;
  p.cellX = static_cast<std::uint16_t>(x);
  p.cellY = static_cast<std::uint16_t>(y);
  p.level = static_cast<std::uint16_t>(z);
  return p;
}

using Origin = std::array<int, 3>;  // sx, sy, sz
Origin of(const world::ViewOrigin& v) { return {v.sx, v.sy, v.sz}; }

TEST(ViewFollow, CentresOnEnteringOnATeleportAndOnAStepNearAnEdgeWithinTheClamps) {
  // The map shows 40 x 30 cells; centring puts the player 20 columns right of the origin and 15
  // rows above it. "settled": the last pass showed the map with the player elsewhere.
  const FollowState entering, settled{true, false, 0, 0, 2};
  const FollowState standing{true, false, 101, 101, 2}, teleported{true, true, 101, 101, 2};
  struct Case {
    FollowState state;
    world::ViewOrigin view;
    int x, y, z;
    Origin expected;
  };
  const Case cases[] = {
      {entering, {7, 7, 7}, 100, 100, 2, {80, 85, 2}},
      {entering, {7, 7, 7}, 2, 3, 4, {0, 0, 4}},          // the low clamp
      {entering, {7, 7, 7}, 254, 250, 6, {216, 226, 6}},  // the high clamp
      // A step that keeps four cells of margin on every side leaves the view alone...
      {settled, {100, 100, 2}, 104, 104, 2, {100, 100, 2}},
      {settled, {100, 100, 2}, 135, 125, 2, {100, 100, 2}},
      {settled, {100, 100, 2}, 120, 115, 2, {100, 100, 2}},
      // ...one cell closer to an edge, or off the screen, centres.
      {settled, {100, 100, 2}, 103, 110, 2, {83, 95, 2}},
      {settled, {100, 100, 2}, 136, 110, 2, {116, 95, 2}},
      {settled, {100, 100, 2}, 110, 103, 2, {90, 88, 2}},
      {settled, {100, 100, 2}, 110, 126, 2, {90, 111, 2}},
      {settled, {100, 100, 2}, 95, 110, 2, {75, 95, 2}},
      {settled, {100, 100, 2}, 150, 110, 2, {130, 95, 2}},
      // A standing player one cell from the corner, scrolled there by hand: the scroll keys' view
      // stays, unless a teleport onto the cell it stands on asks to centre.
      {standing, {100, 100, 2}, 101, 101, 2, {100, 100, 2}},
      {teleported, {100, 100, 2}, 101, 101, 2, {81, 86, 2}},
  };
  for (const Case& c : cases) {
    FollowState state = c.state;
    world::ViewOrigin view = c.view;
    followPlayer(state, view, playerAt(c.x, c.y, c.z), Map);
    EXPECT_EQ(of(view), c.expected) << c.x << "," << c.y << "," << c.z;
  }
}

TEST(ViewFollow, TheFirstPersonViewKeepsItsOriginAndReentryCentresAgain) {
  FollowState state{true, true, 50, 50, 2};
  world::ViewOrigin view{50, 50, 2};
  followPlayer(state, view, playerAt(60, 60, 4), FirstPerson);
  EXPECT_EQ(of(view), (Origin{50, 50, 2}));
  followPlayer(state, view, playerAt(60, 60, 4), Map);
  EXPECT_EQ(of(view), (Origin{40, 45, 4}));
}

}  // namespace
}  // namespace gloam::comfort
