// The map following the PlayerUnit on a bare grid: when it centres (entering the map view, a
// teleport, a step near an edge or off the screen), when it leaves the view alone, and the clamps.
#include <gtest/gtest.h>

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

struct Origin {
  int sx, sy, sz;
  bool operator==(const Origin&) const = default;
};
Origin of(const world::ViewOrigin& v) { return {v.sx, v.sy, v.sz}; }

// A follow state that has already seen the map view with the player at (x, y, z).
FollowState settledAt(int x, int y, int z) {
  FollowState s;
  s.inMapView = true;
  s.lastX = x;
  s.lastY = y;
  s.lastZ = z;
  return s;
}

TEST(ViewFollow, EnteringTheMapCentresThePlayerWithinTheClamps) {
  struct Case {
    int x, y, z;
    Origin expected;
  };
  const Case cases[] = {
      {100, 100, 2, {80, 85, 2}},    // 20 columns left of it, 15 rows below
      {2, 3, 4, {0, 0, 4}},          // the low clamp
      {254, 250, 6, {216, 226, 6}},  // the high clamp
  };
  for (const Case& c : cases) {
    FollowState state;
    world::ViewOrigin view{7, 7, 7};
    followPlayer(state, view, playerAt(c.x, c.y, c.z), Map);
    EXPECT_EQ(of(view), c.expected) << c.x << "," << c.y;
  }
}

TEST(ViewFollow, AStepRecentresOnlyWithinFourCellsOfAnEdgeOrOffTheScreen) {
  struct Case {
    int dx, dy;  // the player's cell after its step, relative to the view origin (40 x 30 cells)
    bool recentred;
  };
  const Case cases[] = {
      {4, 4, false},  {35, 25, false}, {20, 15, false},  // four cells of margin on every side
      {3, 10, true},  {36, 10, true},  {10, 3, true},
      {10, 26, true}, {-5, 10, true},  {50, 10, true},  // walked off the screen
  };
  for (const Case& c : cases) {
    const world::ViewOrigin start{100, 100, 2};
    world::ViewOrigin view = start;
    FollowState state = settledAt(0, 0, 2);
    const units::UnitRecord player = playerAt(100 + c.dx, 100 + c.dy, 2);
    followPlayer(state, view, player, Map);
    EXPECT_EQ(of(view) != of(start), c.recentred) << c.dx << "," << c.dy;
    if (c.recentred) {
      EXPECT_TRUE(wellInside(view, player, Map));
    }
  }
}

TEST(ViewFollow, AStandingPlayerLeavesTheScrollKeysAlone) {
  const units::UnitRecord player = playerAt(101, 101, 2);
  FollowState state = settledAt(101, 101, 2);
  world::ViewOrigin view{100, 100, 2};  // the player one cell from the corner, scrolled there by hand
  followPlayer(state, view, player, Map);
  EXPECT_EQ(of(view), (Origin{100, 100, 2}));
  state.centreRequested = true;  // a teleport onto the cell it stands on still centres
  followPlayer(state, view, player, Map);
  EXPECT_EQ(of(view), (Origin{81, 86, 2}));
}

TEST(ViewFollow, TheFirstPersonViewKeepsItsOriginAndReentryCentresAgain) {
  FollowState state = settledAt(50, 50, 2);
  world::ViewOrigin view{50, 50, 2};
  state.centreRequested = true;
  followPlayer(state, view, playerAt(60, 60, 4), FirstPerson);
  EXPECT_EQ(of(view), (Origin{50, 50, 2}));
  followPlayer(state, view, playerAt(60, 60, 4), Map);
  EXPECT_EQ(of(view), (Origin{40, 45, 4}));
}

}  // namespace
}  // namespace gloam::comfort
