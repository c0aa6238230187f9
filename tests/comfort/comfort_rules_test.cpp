// Comfort's rules on their own: the map following the PlayerUnit on a bare grid, the window's zoom
// and placement on the display's usable area, and held-key repeat counted in passes.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "comfort/key_repeat.hpp"
#include "comfort/pass_timing.hpp"
#include "comfort/view_follow.hpp"
#include "comfort/window_fit.hpp"
#include "support/cells.hpp"

namespace gloam::comfort {
namespace {

using gloam::testing::unitAt;
using platform::Rect;

constexpr ScreenMode Map{640, 480, 1};
constexpr ScreenMode FirstPerson{320, 240, 2};

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
    followPlayer(state, view, unitAt(c.x, c.y, c.z), Map);
    EXPECT_EQ(of(view), c.expected) << c.x << "," << c.y << "," << c.z;
  }
}

TEST(ViewFollow, TheFirstPersonViewKeepsItsOriginAndReentryCentresAgain) {
  FollowState state{true, true, 50, 50, 2};
  world::ViewOrigin view{50, 50, 2};
  followPlayer(state, view, unitAt(60, 60, 4), FirstPerson);
  EXPECT_EQ(of(view), (Origin{50, 50, 2}));
  followPlayer(state, view, unitAt(60, 60, 4), Map);
  EXPECT_EQ(of(view), (Origin{40, 45, 4}));
}

TEST(WindowFit, TheLargestZoomThatFitsTheArea) {
  struct Case {
    int requested, width, height;
    std::optional<Rect> area;
    int zoom;
  };
  const Case cases[] = {
      {3, 640, 480, Rect{0, 0, 1280, 1024}, 2},   // 1920 x 1440 would not fit; 1280 x 960 does
      {4, 320, 240, Rect{0, 0, 1280, 1024}, 4},   // exactly the width
      {4, 320, 240, Rect{0, 0, 1279, 1024}, 3},   // one pixel short
      {3, 640, 480, Rect{0, 24, 1280, 1000}, 2},  // a panel at the top
      {2, 640, 480, Rect{0, 0, 800, 600}, 1},
      {2, 640, 480, Rect{0, 0, 300, 200}, 1},  // nothing fits: the smallest window
      {3, 640, 480, std::nullopt, 3},          // no display: as asked
  };
  for (const Case& c : cases)
    EXPECT_EQ(fittingZoom(c.requested, c.width, c.height, c.area), c.zoom) << c.requested << " " << c.width;
}

TEST(WindowFit, AWindowIsShiftedOntoTheAreaAsLittleAsPossible) {
  struct Case {
    Rect window, area, expected;
  };
  const Case cases[] = {
      {{100, 100, 740, 580}, {0, 0, 1280, 1024}, {100, 100, 740, 580}},       // already inside
      {{1000, 900, 1640, 1380}, {0, 0, 1280, 1024}, {640, 544, 1280, 1024}},  // past the bottom-right
      {{-50, -20, 590, 460}, {0, 24, 1280, 1024}, {0, 24, 640, 504}},         // past the top-left and a panel
      {{500, 500, 2420, 1940}, {0, 0, 1280, 1024}, {0, 0, 1920, 1440}},       // larger: top-left on the area's
  };
  for (const Case& c : cases)
    EXPECT_EQ(keepInside(c.window, c.area), c.expected) << c.window.left << "," << c.window.top;
}

// The passes, counted from the press, on which a key held for `passes` passes acted, once an action.
std::vector<int> actingPasses(int passesPerSecond, int passes) {
  const RepeatTiming timing = repeatTiming(passesPerSecond);
  KeyRepeat key;
  std::vector<int> out;
  for (int i = 0; i < passes; ++i)
    for (int k = repeatActions(key, true, timing); k > 0; --k) out.push_back(i);
  return out;
}

TEST(KeyRepeat, PressActsOnceThenRepeatsAfterTheDelayAtTwentyASecond) {
  struct Case {
    int passesPerSecond;
    int passes;
    std::vector<int> acting;
  };
  const Case cases[] = {
      {60, 25, {0, 15, 18, 21, 24}},     // 250 ms = 15 passes, then every 3rd pass
      {30, 15, {0, 8, 10, 11, 13, 14}},  // 250 ms rounds to 8 passes; 20/s at 30/s is 2 in 3 passes
      {10, 6, {0, 3, 4, 4, 5, 5}},       // slower than the repeat rate: two repeats on a pass
      {1000, 351, {0, 250, 300, 350}},   // a fast loop repeats every 50 passes
  };
  for (const Case& c : cases)
    EXPECT_EQ(actingPasses(c.passesPerSecond, c.passes), c.acting) << c.passesPerSecond << " passes/s";
}

TEST(KeyRepeat, TapsActOncePerPressAndReleaseRestartsTheDelay) {
  const RepeatTiming timing = repeatTiming(60);
  KeyRepeat key;
  int total = 0;
  for (int press = 0; press < 5; ++press) {
    for (int pass = 0; pass < 14; ++pass) total += repeatActions(key, true, timing);  // just short of the delay
    total += repeatActions(key, false, timing);
  }
  EXPECT_EQ(total, 5);
}

TEST(PassTiming, UncappedRunsCountAtTheDefaultRate) {
  EXPECT_EQ(passRateFor(0), 60);
  EXPECT_EQ(passRateFor(144), 144);
}

}  // namespace
}  // namespace gloam::comfort
