// The PlayerUnit's start-up placement, then move orders and the movement pass.
#include "units/unit_movement.hpp"
#include "path_test_support.hpp"
#include "units/player_placement.hpp"

namespace gloam::units {
namespace {

class PlayerPlacementTest : public ::testing::Test {
 protected:
  testing::PathWorld w;
  Rng rng;
  void SetUp() override { w.fill(PlayerStartLevel, cell::Wall); }
};

TEST_F(PlayerPlacementTest, FirstNonWallDrawWinsColumnDrawnFirst) {
  w.fill(PlayerStartLevel, cell::Floor);
  rng.seed(1234);
  Rng expected = rng;
  const auto x = static_cast<std::uint16_t>(expected.below(254) + 1);
  const auto y = static_cast<std::uint16_t>(expected.below(254) + 1);
  ASSERT_EQ(1, placePlayerUnit(w.units, w.grid, rng));
  EXPECT_EQ(expected.state, rng.state);  // exactly two draws
  UnitRecord want{};                     // every field not named here stays zero
  want.inUse = 1, want.unitKind = 1, want.spriteSlot = 849, want.cellX = x, want.cellY = y, want.level = 2;
  want.offsetX = want.offsetY = want.offsetZ = 0.5f;
  want.maxHitPoints = want.hitPoints = 24.0f;
  EXPECT_EQ(want, w.units[PlayerUnitIndex]);
  EXPECT_EQ(UnitRecord{}, w.units[0]);
  EXPECT_EQ(UnitRecord{}, w.units[2]);
}

// Every try on an all-Wall level fails and leaves the slot empty. Then Floor only in one column,
// and all of row 0 and column 255: every seed lands in that column, off the outer ring.
TEST_F(PlayerPlacementTest, LandsOnlyOffWallInsideTheOuterRing) {
  rng.seed(99);
  Rng expected = rng;
  for (int i = 0; i < 2 * PlacementTries; ++i) expected.next();
  EXPECT_EQ(0, placePlayerUnit(w.units, w.grid, rng));
  EXPECT_EQ(expected.state, rng.state);
  EXPECT_EQ(UnitRecord{}, w.units[PlayerUnitIndex]);
  w.rect(PlayerStartLevel, 255, 0, 255, 255, cell::Floor);
  w.rect(PlayerStartLevel, 0, 0, 255, 0, cell::Floor);
  w.rect(PlayerStartLevel, 100, 1, 100, 254, cell::Door);
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    rng.seed(seed);
    ASSERT_EQ(1, placePlayerUnit(w.units, w.grid, rng)) << seed;
    EXPECT_EQ(100, w.units[PlayerUnitIndex].cellX) << seed;
    EXPECT_GE(w.units[PlayerUnitIndex].cellY, 1);
    EXPECT_LE(w.units[PlayerUnitIndex].cellY, 254);
  }
}

constexpr int L = 2;

class UnitMovementTest : public ::testing::Test {
 protected:
  testing::PathWorld w;
  UnitRecord& player() { return w.units[PlayerUnitIndex]; }
  std::int32_t cursor() const { return w.table.pathCursor[PlayerUnitIndex]; }

  void SetUp() override {
    w.fill(L, cell::Floor);
    w.placeUnit(PlayerUnitIndex, 50, 50, L);
  }
  // A right click on the middle of the tile of cell (x, y) of the 640x480 map, seen from `origin`.
  void order(int x, int y, int screenWidth = 640, bool button = true, world::ViewOrigin origin = {40, 40, L}) {
    const OrderClick click{button, (x - origin.sx) * TileSize + 8, (y - origin.sy) * TileSize + 8};
    issueMoveOrder(w.units, w.table, click, screenWidth, origin);
  }
  void tick(int frame = 0, float divisor = 30.0f) { unitMovementPass({w.units, w.ctx, w.grid}, frame, divisor); }
};

TEST_F(UnitMovementTest, RightClickOrdersOnlyOnTheMapMode) {
  order(47, 61, 320);
  order(47, 61, 640, false);
  EXPECT_EQ(0, player().moving);
  order(47, 61);
  EXPECT_EQ(47, player().destX);
  EXPECT_EQ(61, player().destY);
  EXPECT_EQ(1, player().moving);
  EXPECT_EQ(NoPath, cursor());
}

TEST_F(UnitMovementTest, UnitStepsOncePerTruncatedTickAndStopsOnTheDestination) {
  for (const float divisor : {10.0f, 10.9f, 30.0f, 60.0f}) {  // 10.9 counts as 10
    SCOPED_TRACE(divisor);
    player().cellX = 50;
    order(55, 50);
    const int n = static_cast<int>(divisor);
    for (int frame = 0; frame <= 6 * n; ++frame) {
      tick(frame, divisor);
      EXPECT_EQ(std::min(51 + frame / n, 55), player().cellX) << "frame " << frame;
    }
    EXPECT_EQ(0, player().moving);
    EXPECT_EQ(NoPath, cursor());
  }
}

TEST_F(UnitMovementTest, HoldingTheButtonReplansEveryTick) {
  for (int t = 0; t < 5; ++t) {
    order(55, 50);
    tick();
    EXPECT_EQ(51 + t, player().cellX);
    EXPECT_EQ(5u - t, w.table.pathLength[PlayerUnitIndex]) << "a fresh route from the current cell";
  }
  order(55, 50);
  tick();
  EXPECT_EQ(0, player().moving);  // ordered onto its own cell: it stays and goes idle
  EXPECT_EQ(55, player().cellX);
}

TEST_F(UnitMovementTest, UnreachableDestinationOrDisabledUnitStaysWhereItStands) {
  w.rect(L, 69, 69, 71, 71, cell::Wall);
  order(70, 70);
  w.table.pathLength[PlayerUnitIndex] = 12;
  tick();
  EXPECT_EQ(50, player().cellX);
  EXPECT_EQ(0, player().moving);
  EXPECT_EQ(NoPath, cursor());
  EXPECT_EQ(0u, w.table.pathLength[PlayerUnitIndex]);
  order(55, 50);
  player().disabled = 1;
  tick();
  EXPECT_EQ(50, player().cellX);
  EXPECT_EQ(1, player().moving);
}

TEST_F(UnitMovementTest, OrderToColumnZeroLandsOnZeroUnlessItsPathHasOneEntry) {
  player().cellX = 3;
  order(0, 50, 640, true, {0, 40, L});
  tick();
  EXPECT_EQ(2, player().cellX);
  tick();
  EXPECT_EQ(0, player().cellX);  // the last entry is column 1; the order's own column wins
  EXPECT_EQ(0, player().moving);

  player().cellX = 2;
  order(0, 50, 640, true, {0, 40, L});
  tick();  // a one-entry path: its entry is taken on planning, leaving the cursor used up
  EXPECT_EQ(1, player().cellX);
  EXPECT_EQ(1, player().moving);
  EXPECT_EQ(-1, cursor());
  tick();
  EXPECT_EQ(1, player().cellX);  // a used-up path never takes the landing branch
  EXPECT_EQ(0, player().moving);
  EXPECT_EQ(-1, cursor());  // the used-up cursor keeps its value
}

TEST_F(UnitMovementTest, EarlierUnitsMoveBeforeLaterUnitsPlan) {
  w.fill(L, cell::Wall);
  w.rect(L, 10, 10, 20, 10, cell::Floor);
  w.placeUnit(PlayerUnitIndex, 10, 10, L);
  UnitRecord& other = w.placeUnit(0, 14, 11, L);  // steps from a side niche into the corridor
  w.grid.setCell(14, 11, L, cell::Floor);
  other.destX = 14;
  other.destY = 10;
  other.moving = 1;
  order(20, 10);
  tick();
  EXPECT_EQ(10, w.units[0].cellY);
  EXPECT_EQ(0, player().moving) << "unit 0 now stands in the corridor";
}

}  // namespace
}  // namespace gloam::units
