// Move orders and the movement pass: tick timing, the states of an order (Ordered, Walking,
// Used up, Idle), re-planning while the button is held, and orders to the edge of the level.
#include "units/unit_movement.hpp"
#include "path_test_support.hpp"

namespace gloam::units {
namespace {

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
  for (const float divisor : {10.0f, 30.0f, 60.0f}) {
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
  player().cellX = 50;
  order(55, 50);
  tick(10, 10.9f);  // 10.9 counts as 10
  EXPECT_EQ(51, player().cellX);
  tick(11, 10.9f);
  EXPECT_EQ(51, player().cellX);
}

TEST_F(UnitMovementTest, HoldingTheButtonReplansEveryTick) {
  for (int t = 0; t < 5; ++t) {
    order(55, 50);
    tick();
    EXPECT_EQ(51 + t, player().cellX);
    EXPECT_EQ(5u - t, w.table.pathLength[PlayerUnitIndex]) << "a fresh route from the current cell";
  }
  // The last plan had one entry: the cursor is used up at -1 and the unit stands on the goal.
  EXPECT_EQ(-1, cursor());
  order(55, 50);
  tick();
  EXPECT_EQ(0, player().moving);  // ordered onto its own cell: it stays and goes idle
  EXPECT_EQ(55, player().cellX);
}

TEST_F(UnitMovementTest, OneEntryPathIsUsedUpOnTheNextTick) {
  order(51, 51);
  tick();
  EXPECT_EQ(51, player().cellX);
  EXPECT_EQ(51, player().cellY);
  EXPECT_EQ(1, player().moving);
  EXPECT_EQ(-1, cursor());
  tick();
  EXPECT_EQ(0, player().moving);
  EXPECT_EQ(-1, cursor());  // the used-up cursor keeps its value
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

TEST_F(UnitMovementTest, OrderToColumnZeroWalksToColumnOneThenLandsOnZero) {
  player().cellX = 3;
  order(0, 50, 640, true, {0, 40, L});
  tick();
  EXPECT_EQ(2, player().cellX);
  tick();
  EXPECT_EQ(0, player().cellX);  // the last entry is column 1; the order's own column wins
  EXPECT_EQ(0, player().moving);

  player().cellX = 2;
  order(0, 50, 640, true, {0, 40, L});
  tick();
  tick();
  EXPECT_EQ(1, player().cellX);  // a one-entry path never takes the landing branch
  EXPECT_EQ(0, player().moving);
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
