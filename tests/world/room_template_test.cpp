// Room templates: the table against its shapes as rows, header parsing with width extensions,
// the four orientations, clearing of the scratch and the stamp.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "world/cell_codes.hpp"
#include "world/room_template.hpp"
#include "world/room_template_texts.hpp"
#include "world_test_support.hpp"

namespace gloam::world {
namespace {

struct ExpectedTemplate {
  int width;
  int height;
  const char* rows;  // shape rows separated by '/': 'd' floor, 'p' marked, '.' no cell
};

const ExpectedTemplate Expected[RoomTemplateCount] = {
    {3, 3, "ddd/ddd/ddd"},
    {3, 1, "ddd"},
    {4, 1, "dddd"},
    {5, 1, "ddddd"},
    {3, 3, ".d./ddd/.d."},
    {5, 5, "..d../.ddd./ddddd/.ddd./..d.."},
    {4, 2, "dddd/dddd"},
    {3, 2, "ddd/ddd"},
    {5, 2, "ddddd/ddddd"},
    {5, 3, "ddddd/d.d.d/ddddd"},
    {5, 3, "ddddd/ddddd/ddddd"},
    {8, 7, "...dd.../.dddddd./.dddddd./dddddddd/.dddddd./.dddddd./...dd..."},
    {4, 4, "dddd/dddd/dddd/dddd"},
    {5, 5, "ddddd/ddddd/ddddd/ddddd/ddddd"},
    {9, 9, "....d..../..ddddd../.ddddddd./.ddddddd./ddddddddd/.ddddddd./.ddddddd./..ddddd../....d...."},
    {8, 6, "dddddddd/dddddddd/dd....../dd....../dd....../dd......"},
    {5, 5, ".ddd./ddddd/ddddd/.ddd./.ddd."},
    {8, 4, ".dddddd./.dddddd./dddddddd/.dddddd."},
    {8, 8, "..dddd../.dddddd./ddd..ddd/dd....dd/ddd..ddd/.dddddd./..dddd../........"},
    {9, 9, "..ddddd../..ddddd../ddddddddd/ddddpdddd/dddpppddd/ddddpdddd/ddddddddd/..ddddd../..ddddd.."},
    {7, 7, ".pdddp./pdddddp/dddpddd/ddpppdd/dddpddd/pdddddp/.pdddp."},
    {3, 3, "pdp/ddd/pdp"},
    {4, 4, "pddp/dddd/dddd/pddp"},
    {5, 5, "pdddp/ddddd/ddddd/ddddd/pdddp"},
    {5, 5, "pdddp/ddddd/ddpdd/ddddd/pdddp"},
    {7, 5, "..dpd../pdddddp/ddddddd/..ddd../..ddd.."},
    {3, 5, "dpd/ddd/pdp/ddd/dpd"},
    {7, 7, "pdddddp/ddddddd/ddddddd/ddd..../ddd..../ddd..../pdd...."},
    {7, 7, "....ddp/....ddd/....ddd/....ddd/ddddddd/ddddddd/pdddddp"},
    {7, 7, "....ddp/....ddd/....ddd/....ddd/ddddddd/ddddddd/pdddddp"},
    {1, 6, "d/d/d/d/d/d"},
    {6, 1, "dddddd"},
    {4, 2, "dddd/dddd"},
    {2, 4, "dd/dd/dd/dd"},
    {12, 9, "............/........dd../.....dddddd./.dddddd..ddd/ddddd.....dd/dddddd..dddd/.ddddddddddd/..ddddddddd./....ddd....."},
    {9, 8, ".....dd../....dddd./...dddd../...dddddd/....ddd../...dddd../..dddddd./...dddd.."},
    {15, 9, ".....d.....d.../.....dd....d.../......d...dd.../.....dddd.d..../.....dddddddd../......ddd...ddd/......d......../.....dd......../...ddd........."},
    {10, 11, "........dd/........d./......ddd./......d.../....ddd.../dddddddd../...ddddd../....ddd.../......d.../......ddd./........d."},
    {15, 10, ".............../.............../......ddd....../......dddd...../.......dd....../....dd..d....../..dddddddd.ddd./....ddd...ddddd/............ddd/.............d."},
    {12, 9, "..ddddd...../dddddddd...d/dddddddddddd/dddddddddddd/dddddddddddd/dddddddddddd/...ddddddd../........dddd/..dddd...ddd"},
    {12, 9, ".........ddd/..dd.....dd./.dddd...dddd/..dd..d..d../............/....ddd....d/...ddddd..../....ddd...../.d......d..."},
    {12, 9, ".........ddd/..........dd/....ddd...../.....dd...../............/............/d..dd......./d...d......./dd........dd"},
    {12, 9, "d........d../d........d../d....ddddddd/dddddd....../.....d....../.....d....../.....d....../.....ddddddd/.....d...d.."},
    {12, 9, "d........d../d........d../dddd.ddddddd/dddddd.....d/.....d.ddd.d/.ddd.d.ddd../.ddddd..d.../.ddd.ddddddd/.....d...d.."},
};

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

class RoomTemplateTest : public ::testing::Test {
 protected:
  GeneratorTables tables = testing::freshTables();
  TemplateScratch& scratch = tables.scratch;
};

TEST_F(RoomTemplateTest, EveryTableEntryLoadsAsItsShapeRowsInOrientationZero) {
  for (int i = 0; i < RoomTemplateCount; ++i) {
    SCOPED_TRACE(i);
    const std::string_view text = roomTemplateText(i);
    ASSERT_EQ(text.size(), static_cast<std::size_t>(TemplateTextLength));
    EXPECT_EQ(text.substr(0, 2), "jk");
    loadRoomTemplate(scratch, i, 0);
    EXPECT_EQ(scratch.roomWidth, Expected[i].width);
    EXPECT_EQ(scratch.roomHeight, Expected[i].height);
    EXPECT_EQ(scratchPicture(scratch), Expected[i].rows);
  }
}

TEST_F(RoomTemplateTest, RepeatedEntriesShareTheirText) {
  EXPECT_EQ(roomTemplateText(29), roomTemplateText(28));
  EXPECT_EQ(roomTemplateText(32), roomTemplateText(6));
}

TEST_F(RoomTemplateTest, SizeFromHeaderSwapsForOrientationsOneAndTwo) {
  const int expected[OrientationCount][2] = {{8, 6}, {6, 8}, {6, 8}, {8, 6}};
  for (int o = 0; o < OrientationCount; ++o) {
    scratch.roomWidth = scratch.roomHeight = -1;
    roomTemplateSize(scratch, 15, o);
    EXPECT_EQ(scratch.roomWidth, expected[o][0]) << o;
    EXPECT_EQ(scratch.roomHeight, expected[o][1]) << o;
  }
}

TEST_F(RoomTemplateTest, LShapeInEachOrientation) {
  const char* pictures[OrientationCount] = {
      "dddddddd/dddddddd/dd....../dd....../dd....../dd......",
      "dd..../dd..../dd..../dd..../dd..../dd..../dddddd/dddddd",  // quarter turn: row 0 is column 0 read upward
      "dddddd/dddddd/dd..../dd..../dd..../dd..../dd..../dd....",  // mirrored over the diagonal
      "dd....../dd....../dd....../dd....../dddddddd/dddddddd",    // flipped top to bottom
  };
  for (int o = 0; o < OrientationCount; ++o) {
    loadRoomTemplate(scratch, 15, o);
    EXPECT_EQ(scratchPicture(scratch), pictures[o]) << o;
  }
  loadRoomTemplate(scratch, 15, 1);
  EXPECT_EQ(scratch.at(0, 7), ScratchFloor);  // the shape's first cell
}

TEST_F(RoomTemplateTest, MarkedCellsKeepTheirPlaceUnderRotation) {
  loadRoomTemplate(scratch, 25, 1);  // 7 x 5 with marks at (row 0, col 3), (1, 0) and (1, 6)
  EXPECT_EQ(scratchPicture(scratch), ".pd../.dd../ddddd/pdddd/ddddd/.dd../.pd..");
}

TEST_F(RoomTemplateTest, SymmetricShapeIsUnchangedByTheFlip) {
  loadRoomTemplate(scratch, 9, 0);
  const std::string asWritten = scratchPicture(scratch);
  loadRoomTemplate(scratch, 9, 3);
  EXPECT_EQ(scratchPicture(scratch), asWritten);
}

TEST_F(RoomTemplateTest, LoadingClearsEveryCellThePreviousTemplateUsed) {
  loadRoomTemplate(scratch, 36, 1);  // 9 x 15 once turned
  loadRoomTemplate(scratch, 1, 0);   // 3 x 1
  EXPECT_EQ(nonZeroCells(scratch), 3);
}

TEST_F(RoomTemplateTest, HeaderExtensionLettersAddToTheWidth) {
  EXPECT_EQ(parseTemplateHeader(makeText("jkcc00", {})).width, 3);
  EXPECT_EQ(parseTemplateHeader(makeText("jkccb0", {})).width, 5);
  EXPECT_EQ(parseTemplateHeader(makeText("jkcc0b", {})).width, 5);
  const TemplateSize both = parseTemplateHeader(makeText("jkccbc", {}));
  EXPECT_EQ(both.width, 8);
  EXPECT_EQ(both.height, 3);
}

TEST_F(RoomTemplateTest, CharactersOutsideTheShapeWindowAreIgnored) {
  // 2 x 2 shape with floor characters to its right and on the line below it.
  loadTemplateText(scratch, makeText("jkbb", {"dpddd", "d0ddd", "ddddd"}), 0);
  EXPECT_EQ(scratchPicture(scratch), "dp/d.");
  EXPECT_EQ(nonZeroCells(scratch), 3);
}

TEST_F(RoomTemplateTest, ExtendedWidthReadsFurtherAlongTheLine) {
  loadTemplateText(scratch, makeText("jkaaa0", {"0dd"}), 0);
  EXPECT_EQ(scratchPicture(scratch), ".d");
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
  DungeonGrid grid = testing::freshGrid();
  for (int y = 9; y <= 13; ++y)
    for (int x = 19; x <= 23; ++x) grid.setCell(x, y, 40, cell::Wall);
  grid.setCell(20, 10, 40, cell::Chest);  // under a 'p' of the shape
  loadRoomTemplate(scratch, 21, 0);       // pdp/ddd/pdp
  stampRoom(grid, scratch, 40, 20, 10);
  EXPECT_EQ(grid.cellAt(20, 10, 40), cell::TemplateMark);
  EXPECT_EQ(grid.cellAt(21, 10, 40), cell::Floor);
  EXPECT_EQ(grid.cellAt(22, 12, 40), cell::TemplateMark);
  EXPECT_EQ(grid.cellAt(21, 11, 40), cell::Floor);
  EXPECT_EQ(grid.cellAt(19, 10, 40), cell::Wall);
  EXPECT_EQ(grid.cellAt(23, 12, 40), cell::Wall);
  EXPECT_EQ(testing::countOnLevel(grid, 41, cell::Floor), 0);

  loadRoomTemplate(scratch, 4, 0);  // .d./ddd/.d.: the corners keep what the grid held
  stampRoom(grid, scratch, 40, 20, 10);
  EXPECT_EQ(grid.cellAt(20, 10, 40), cell::TemplateMark);
  EXPECT_EQ(grid.cellAt(21, 10, 40), cell::Floor);
}

TEST_F(RoomTemplateTest, StampAtTheGridEdgeWritesOnlyInsideIt) {
  DungeonGrid grid = testing::freshGrid();
  loadRoomTemplate(scratch, 0, 0);
  stampRoom(grid, scratch, 1, GridSide - 2, GridSide - 2);
  EXPECT_EQ(testing::countOnLevel(grid, 1, cell::Floor), 4);
  EXPECT_EQ(testing::countOnLevel(grid, 2, cell::Floor), 0);
}

}  // namespace
}  // namespace gloam::world
