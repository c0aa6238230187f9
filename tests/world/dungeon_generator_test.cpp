// The dungeon generator on hand-built input. Template orientations, scratch clearing and the growth
// of full levels are pinned by the start-up dungeon tests and golden hashes in startup_world_test.cpp.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/rng.hpp"
#include "support/cells.hpp"
#include "world/cell_codes.hpp"
#include "world/dungeon_generator.hpp"
#include "world/grid_rectangles.hpp"
#include "world/room_template.hpp"
#include "world/room_template_texts.hpp"

namespace gloam::world {
namespace {

// The loaded scratch as rows "d", "p", "." joined by '/', over roomWidth x roomHeight.
std::string scratchPicture(const TemplateScratch& s) {
  std::string out;
  for (int y = 0; y < s.roomHeight; ++y) {
    if (y > 0) out += '/';
    for (int x = 0; x < s.roomWidth; ++x) {
      const auto v = s.at(x, y);
      out += v == ScratchFloor ? 'd' : v == ScratchMarked ? 'p' : v == ScratchNone ? '.' : '?';
    }
  }
  return out;
}

int nonZeroCells(const TemplateScratch& s) {
  int n = 0;
  for (int i = 0; i < ScratchCells; ++i) n += s.cells[i] != 0;
  return n;
}

// A text in the template format from a header line and shape lines, padded with '0'.
std::string makeText(const std::string& header, const std::vector<std::string>& lines) {
  std::string text = header + std::string(TemplateSide - header.size(), '0');
  for (const std::string& line : lines) text += line + std::string(TemplateSide - line.size(), '0');
  text.resize(TemplateTextLength, '0');
  return text;
}

class DungeonGeneratorTest : public ::testing::Test {
 protected:
  DungeonGrid grid = testing::freshGrid();
  GeneratorTables tables = testing::freshTables();
  Rng rng;
  TemplateScratch& scratch = tables.scratch;

  // `count` room records on `level`, all covering the same rectangle, appended to the run.
  void addRooms(int level, int count, int x, int y, int width, int height) {
    const auto u16 = [](int v) { return static_cast<std::uint16_t>(v); };
    tables.levelFirstRoom[level] = static_cast<std::uint32_t>(tables.roomCount);
    for (int i = 0; i < count; ++i, ++tables.roomCount) {
      const auto index = static_cast<std::uint32_t>(tables.roomCount);
      tables.roomTable[index] = RoomRecord{u16(x), u16(y), u16(width), u16(height), u16(level), index, 0};
    }
    tables.levelEndRoom[level] = static_cast<std::uint32_t>(tables.roomCount);
  }

  void floorRect(int level, int x0, int y0, int x1, int y1) {
    testing::fillBox(grid, x0, y0, level, x1, y1, level, cell::Floor);
  }

  int count(int level, std::uint8_t code) const { return testing::countOnLevel(grid, level, code); }
};
using DungeonFeaturesTest = DungeonGeneratorTest;
using GridRectanglesTest = DungeonGeneratorTest;
using RoomTemplateTest = DungeonGeneratorTest;

// A few entries that exercise the format: marks, a blank first row, the widest and tallest shapes.
TEST_F(RoomTemplateTest, TableEntriesLoadAsTheirShapeRows) {
  struct Entry {
    int index;
    const char* rows;
  };
  const Entry entries[] = {
      {13, "ddddd/ddddd/ddddd/ddddd/ddddd"},
      {21, "pdp/ddd/pdp"},
      {30, "d/d/d/d/d/d"},
      {34,
       "............/........dd../.....dddddd./.dddddd..ddd/ddddd.....dd/dddddd..dddd/.ddddddddddd/"
       "..ddddddddd./....ddd....."},
      {36,
       ".....d.....d.../.....dd....d.../......d...dd.../.....dddd.d..../.....dddddddd../"
       "......ddd...ddd/......d......../.....dd......../...ddd........."},
      {37,
       "........dd/........d./......ddd./......d.../....ddd.../dddddddd../...ddddd../....ddd.../"
       "......d.../......ddd./........d."},
  };
  for (const Entry& e : entries) {
    loadRoomTemplate(scratch, e.index, 0);
    EXPECT_EQ(scratchPicture(scratch), e.rows) << e.index;
  }
}

TEST_F(RoomTemplateTest, HeaderExtensionLettersAddToTheWidth) {
  EXPECT_EQ(parseTemplateHeader(makeText("jkcc00", {})).width, 3);
  EXPECT_EQ(parseTemplateHeader(makeText("jkcc0b", {})).width, 5);
  const TemplateSize both = parseTemplateHeader(makeText("jkccbc", {}));
  EXPECT_EQ(both.width, 8);
  EXPECT_EQ(both.height, 3);
  loadTemplateText(scratch, makeText("jkaaa0", {"0dd"}), 0);  // the wider window reads further along
  EXPECT_EQ(scratchPicture(scratch), ".d");
}

TEST_F(RoomTemplateTest, CharactersOutsideTheShapeWindowAreIgnored) {
  // 2 x 2 shape with floor characters to its right and on the line below it.
  loadTemplateText(scratch, makeText("jkbb", {"dpddd", "d0ddd", "ddddd"}), 0);
  EXPECT_EQ(scratchPicture(scratch), "dp/d.");
  EXPECT_EQ(nonZeroCells(scratch), 3);
}

TEST_F(RoomTemplateTest, MalformedHeadersStayInsideTheScratch) {
  loadTemplateText(scratch, makeText("jk~~zz", {std::string(30, 'd')}), 1);
  EXPECT_EQ(scratch.roomWidth, TemplateSide);
  EXPECT_EQ(scratch.roomHeight, TemplateSide);
  loadTemplateText(scratch, "jk", 0);
  EXPECT_EQ(scratch.roomWidth, 0);
  EXPECT_EQ(nonZeroCells(scratch), 0);
}

TEST_F(RoomTemplateTest, StampWritesFloorAndMarksAndLeavesTheRest) {
  grid.setCell(20, 10, 40, cell::Chest);  // under a 'p' of the shape
  loadRoomTemplate(scratch, 21, 0);       // pdp/ddd/pdp
  stampRoom(grid, scratch, 40, 20, 10);
  EXPECT_EQ(grid.cellAt(20, 10, 40), cell::TemplateMark);
  EXPECT_EQ(grid.cellAt(21, 10, 40), cell::Floor);
  EXPECT_EQ(grid.cellAt(22, 12, 40), cell::TemplateMark);
  EXPECT_EQ(grid.cellAt(21, 11, 40), cell::Floor);
  EXPECT_EQ(grid.cellAt(19, 10, 40), cell::Empty);
  EXPECT_EQ(grid.cellAt(23, 12, 40), cell::Empty);
  EXPECT_EQ(count(41, cell::Floor), 0);

  loadRoomTemplate(scratch, 4, 0);  // .d./ddd/.d.: the corners keep what the grid held
  stampRoom(grid, scratch, 40, 20, 10);
  EXPECT_EQ(grid.cellAt(20, 10, 40), cell::TemplateMark);
  EXPECT_EQ(grid.cellAt(21, 10, 40), cell::Floor);
}

// Rectangles without cells never differ, even from a code the grid lacks; any cell outside the grid does.
TEST_F(GridRectanglesTest, EmptyRectanglesMatchAndCellsOutsideTheGridDiffer) {
  struct Case {
    int x0, y0, x1, y1, z;
    std::uint8_t code;
    int want;
  };
  for (const Case c : {Case{5, 5, 4, 9, 0, cell::Wall, 0}, Case{5, 5, 9, 4, 0, cell::Wall, 0},
                       Case{-5, 300, -9, 200, 999, cell::Wall, 0}, Case{0, 0, 255, 255, 0, cell::Empty, 0},
                       Case{-1, 0, 3, 3, 0, cell::Empty, 1}, Case{250, 250, 256, 252, 0, cell::Empty, 1},
                       Case{0, 255, 3, 256, 0, cell::Empty, 1}, Case{0, 0, 3, 3, -1, cell::Empty, 1},
                       Case{0, 0, 3, 3, LevelCount, cell::Empty, 1}})
    EXPECT_EQ(rectDiffers(grid, {c.x0, c.y0, c.x1, c.y1}, c.z, c.code), c.want) << c.x0 << "," << c.y0 << "," << c.z;
}

TEST_F(GridRectanglesTest, FillWritesOnlyAllEmptyRectanglesInsideTheGrid) {
  EXPECT_EQ(fillArea(grid, {7, 7, 6, 6}, 3, cell::Floor), 0);  // no cells: nothing to refuse or write
  EXPECT_EQ(count(3, cell::Floor), 0);
  grid.setCell(12, 12, 7, cell::Floor);
  EXPECT_EQ(fillArea(grid, {10, 10, 20, 20}, 7, cell::Wall), 1);
  EXPECT_EQ(fillArea(grid, {250, 250, 256, 256}, 7, cell::Wall), 1);  // reaches outside the grid
  EXPECT_EQ(count(7, cell::Wall), 0);
  EXPECT_EQ(fillArea(grid, {0, 0, 255, 255}, 3, cell::Wall), 0);
  EXPECT_EQ(count(3, cell::Wall), LevelSize);
  EXPECT_EQ(count(2, cell::Wall), 0);
  EXPECT_EQ(count(4, cell::Wall), 0);
}

constexpr int Level = 50;  // the level of the hand-built runs

TEST_F(DungeonGeneratorTest, LevelWithSpaceForOnlyTheFirstRoomGetsNothingElse) {
  // A 7 x 7 area holds the 5 x 5 room and its margin exactly; no entry cell can be Wall.
  generateDungeon(grid, tables, rng, {100, 100, 20, 1, 6, 50});
  EXPECT_EQ(tables.roomCount, 1);
  EXPECT_EQ(tables.levelEndRoom[20], 1u);
  EXPECT_EQ(count(20, cell::Floor), 25);
  EXPECT_EQ(count(20, cell::Wall), 49 - 25);
}

TEST_F(DungeonGeneratorTest, FirstRoomWhoseMarginLeavesTheAreaEndsTheRun) {
  // A 5 x 5 area: the room fits but its margin is Empty, so nothing is stamped and level 21 is left.
  generateDungeon(grid, tables, rng, {100, 100, 20, 2, 5, 50});
  EXPECT_EQ(tables.roomCount, 0);
  EXPECT_EQ(count(20, cell::Wall), 25);
  EXPECT_EQ(count(20, cell::Floor), 0);
  EXPECT_EQ(count(21, cell::Wall), 0);
}

TEST_F(DungeonGeneratorTest, AreaReachingOutsideTheGridEndsTheRunUntouched) {
  generateDungeon(grid, tables, rng, {100, 100, 20, 1, 255, 50});  // columns -27..227
  EXPECT_EQ(tables.roomCount, 0);
  EXPECT_EQ(count(20, cell::Empty), LevelSize);
  EXPECT_EQ(rng.state, 1u);
}

TEST_F(DungeonGeneratorTest, LevelWhoseAreaIsNotEmptyEndsTheRunAndSkipsAllFeatures) {
  grid.setCell(250, 250, 34, cell::Floor);
  generateDungeon(grid, tables, rng, {128, 128, 33, 2, 255, 60});
  const int rooms = static_cast<int>(tables.levelEndRoom[33]);
  EXPECT_GT(rooms, 10);  // enough rooms that phase 2 would have put candelabra here
  EXPECT_EQ(tables.roomCount, rooms);
  EXPECT_EQ(count(33, cell::Candelabrum), 0);
  EXPECT_EQ(count(34, cell::Wall), 0);
  EXPECT_EQ(count(34, cell::Floor), 1);
}

struct ItemCounts {
  int rooms;
  int chests, candelabra, scrolls, coffins, fountains;
};

// Item passes keep going while placed <= target, so each places target + 1, or none at target 0.
class ItemCountTest : public DungeonGeneratorTest, public ::testing::WithParamInterface<ItemCounts> {};

TEST_P(ItemCountTest, EachPassPlacesOneMoreThanItsNonZeroTarget) {
  const ItemCounts& c = GetParam();
  floorRect(Level, 10, 10, 59, 59);
  addRooms(Level, c.rooms, 10, 10, 50, 50);
  rng.seed(7);
  placeDungeonFeatures(grid, tables, rng, Level, 1, StartupAreaSize);
  EXPECT_EQ(count(Level, cell::Chest), c.chests);
  EXPECT_EQ(count(Level, cell::Candelabrum), c.candelabra);
  EXPECT_EQ(count(Level, cell::Scrolls), c.scrolls);
  EXPECT_EQ(count(Level, cell::Coffin), c.coffins);
  EXPECT_EQ(count(Level, cell::Fountain), c.fountains);
  const int items = c.chests + c.candelabra + c.scrolls + c.coffins + c.fountains;
  EXPECT_EQ(count(Level, cell::Floor), 2500 - items);  // items land only on the floor rectangle
  EXPECT_EQ(count(Level, cell::StairsUp), 0);          // the first level of a run has no stairs up
}

INSTANTIATE_TEST_SUITE_P(Boundaries, ItemCountTest,
                         ::testing::Values(ItemCounts{1, 0, 0, 0, 0, 0}, ItemCounts{4, 0, 0, 0, 0, 0},
                                           ItemCounts{5, 0, 2, 0, 0, 0}, ItemCounts{24, 0, 5, 0, 0, 0},
                                           ItemCounts{25, 2, 6, 0, 2, 0}, ItemCounts{40, 2, 9, 2, 2, 0},
                                           ItemCounts{60, 3, 13, 2, 3, 2}));

TEST_F(DungeonFeaturesTest, StairsJoinFloorCellsOfTwoLevelsAndMatchTheirTarget) {
  struct Case {
    int areaSize;
    int stairs;
  };
  for (const Case c : {Case{0, 1}, Case{31, 1}, Case{32, 2}, Case{255, 8}}) {
    grid = testing::freshGrid();
    tables.roomCount = 0;
    floorRect(Level, 10, 10, 59, 59);
    floorRect(Level + 1, 10, 10, 59, 59);
    addRooms(Level, 0, 0, 0, 1, 1);
    addRooms(Level + 1, 1, 10, 10, 50, 50);  // one room: no items, stairs only
    placeDungeonFeatures(grid, tables, rng, Level, 2, c.areaSize);
    EXPECT_EQ(count(Level + 1, cell::StairsUp), c.stairs) << c.areaSize;
    EXPECT_EQ(count(Level, cell::StairsDown), c.stairs) << c.areaSize;
    for (int y = 10; y < 60; ++y)
      for (int x = 10; x < 60; ++x)
        EXPECT_EQ(grid.cellAt(x, y, Level + 1) == cell::StairsUp, grid.cellAt(x, y, Level) == cell::StairsDown);
  }
}

TEST_F(DungeonFeaturesTest, StairsNeedFloorAboveAndStopWhenTheTriesRunOut) {
  floorRect(Level + 1, 10, 10, 59, 59);
  grid.setCell(12, 13, Level, cell::Floor);
  grid.setCell(40, 41, Level, cell::Floor);
  grid.setCell(70, 70, Level, cell::Floor);  // outside the room: never chosen
  addRooms(Level, 0, 0, 0, 1, 1);
  addRooms(Level + 1, 1, 10, 10, 50, 50);
  placeDungeonFeatures(grid, tables, rng, Level, 2, StartupAreaSize);
  EXPECT_EQ(count(Level + 1, cell::StairsUp), 2);
  EXPECT_EQ(grid.cellAt(12, 13, Level + 1), cell::StairsUp);
  EXPECT_EQ(grid.cellAt(40, 41, Level), cell::StairsDown);
  EXPECT_EQ(grid.cellAt(70, 70, Level), cell::Floor);
}

TEST_F(DungeonFeaturesTest, LevelWithoutRoomsIsSkippedWithoutDrawing) {
  floorRect(Level, 10, 10, 59, 59);
  addRooms(Level, 0, 10, 10, 50, 50);
  rng.seed(99);
  placeDungeonFeatures(grid, tables, rng, Level, 1, StartupAreaSize);
  EXPECT_EQ(rng.state, 99u);
  EXPECT_EQ(count(Level, cell::Floor), 2500);
}

}  // namespace
}  // namespace gloam::world
