// Room templates: table entries against their shapes as rows, header parsing with width extensions,
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
  roomTemplateSize(scratch, 15, 2);           // the header alone gives the turned size
  EXPECT_EQ(scratch.roomWidth, 6);
  EXPECT_EQ(scratch.roomHeight, 8);
  roomTemplateSize(scratch, 15, 3);
  EXPECT_EQ(scratch.roomWidth, 8);
}

TEST_F(RoomTemplateTest, LoadingClearsEveryCellThePreviousTemplateUsed) {
  loadRoomTemplate(scratch, 36, 1);  // 9 x 15 once turned
  loadRoomTemplate(scratch, 1, 0);   // 3 x 1
  EXPECT_EQ(nonZeroCells(scratch), 3);
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

}  // namespace
}  // namespace gloam::world
