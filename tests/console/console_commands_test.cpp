// The commands as a submitted line reaches them: name matching, word counting, the exact cells
// each edit touches, and the teleport's clamps and Wall refusal.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "console/console_world.hpp"
#include "console/run_console.hpp"
#include "world/cell_codes.hpp"

namespace gloam::console {
namespace {

using world::DungeonGrid;

class ConsoleCommands : public ::testing::Test {
 protected:
  testing::ConsoleWorld w;
  ConsoleState console;

  void SetUp() override { initConsole(console); }
  void run(const std::string& line) { executeCommandLine(console, line.c_str(), w.targets()); }
  // The player's cell, then the ViewOrigin.
  std::array<int, 6> where() const {
    const units::UnitRecord& p = w.units[units::PlayerUnitIndex];
    return {p.cellX, p.cellY, p.level, w.viewOrigin.sx, w.viewOrigin.sy, w.viewOrigin.sz};
  }
  static std::array<int, 6> both(int x, int y, int z) { return {x, y, z, x, y, z}; }
  static constexpr std::array<int, 6> Untouched{10, 20, 4, 5, 6, 3};
};

TEST_F(ConsoleCommands, EachCellCommandWritesExactlyItsCells) {
  struct Case {
    const char* line;
    std::vector<std::size_t> cells;
    cell::Code code;
  };
  const Case cases[] = {
      {"corner1", {DungeonGrid::indexOf(10, 20, 4), DungeonGrid::indexOf(10, 20, 5)}, cell::EnvCorner},
      {"env4block", {DungeonGrid::indexOf(10, 20, 4)}, cell::EnvBlock},
      {"env4grass", {DungeonGrid::indexOf(10, 20, 4)}, cell::EnvGrass},
      {"env4dirt 1 2 3 4 5", {DungeonGrid::indexOf(10, 20, 4)}, cell::EnvDirt},
      {"env4emptyx1", {DungeonGrid::indexOf(11, 20, 4)}, cell::Empty},
      {"env4emptyy1", {DungeonGrid::indexOf(10, 21, 4)}, cell::Empty},
  };
  std::memset(w.grid.cells.get(), cell::Floor, GridBytes);  // so that Empty shows as a change
  for (const Case& c : cases) {
    w.snapshot();
    run(c.line);
    EXPECT_EQ(w.changedCells(), c.cells) << c.line;
    for (std::size_t i : c.cells) EXPECT_EQ(w.grid.cells[i], c.code) << c.line;
    std::memset(w.grid.cells.get(), cell::Floor, GridBytes);
  }
}

TEST_F(ConsoleCommands, NamesMatchWithoutRegardToCaseButOnlyWhole) {
  run("ENV4BLOCK");
  EXPECT_EQ(w.grid.cellAt(10, 20, 4), cell::EnvBlock);
  run("Env4Grass");
  EXPECT_EQ(w.grid.cellAt(10, 20, 4), cell::EnvGrass);
  w.snapshot();
  for (const char* line : {"env4blocks", "env4", "", "   ", "block env4block", "corner1x"}) run(line);
  EXPECT_TRUE(w.changedCells().empty());
}

// Each line starts from the player at (10, 20, 4) and the ViewOrigin at (5, 6, 3).
TEST_F(ConsoleCommands, TeleportClampsSplitsAndRefuses) {
  w.grid.setCell(30, 40, 9, cell::Wall);
  const std::pair<std::string, std::array<int, 6>> cases[] = {
      {"env4teleport 0 0 0", both(1, 1, 2)},
      {"env4teleport 999 999 999", both(254, 254, 178)},
      {"env4teleport north 99999999999999999999 7", both(1, 254, 7)},  // not a number reads 0; overflow saturates
      {"  env4teleport   30  40\t,- 6  ", both(30, 40, 6)},
      {"env4teleport-31,41-7", both(31, 41, 7)},  // the hyphen separates, so no number is negative
      {"env4teleport 30 40", Untouched},          // exactly three numbers, no fewer
      {"env4teleport 30 40 6 8", Untouched},      // and no more
      {"env4teleport 30 40 9", Untouched},        // onto Wall
      {"env4teleport 30 40 8", both(30, 40, 8)},  // the same column on another level is open
  };
  for (const auto& [line, want] : cases) {
    w.placePlayer(10, 20, 4);
    w.viewOrigin = {5, 6, 3};
    run(line);
    EXPECT_EQ(where(), want) << line;
  }
}

TEST_F(ConsoleCommands, ScreenSaverToggleFlipsAndPauses) {
  run("screensavertoggle");
  EXPECT_EQ(w.screenSaverMode, 1);
  run("SCREENSAVERTOGGLE now");
  EXPECT_EQ(w.screenSaverMode, 0);
  EXPECT_EQ(w.platform.sleeps, (std::vector<int>{400, 400}));
}

TEST_F(ConsoleCommands, EditsPastTheGridEdgeAreSkipped) {
  w.placePlayer(GridSide - 1, GridSide - 1, LevelCount - 1);
  w.snapshot();
  run("corner1");
  run("env4emptyx1");
  run("env4emptyy1");
  EXPECT_EQ(w.changedCells(), std::vector<std::size_t>{DungeonGrid::indexOf(255, 255, 179)});
}

TEST_F(ConsoleCommands, LongLinesAndOddBytesStayInsideTheBuffers) {
  std::string odd;
  for (int i = 0; i < 600; ++i) odd.push_back(static_cast<char>(1 + i % 255));
  run(odd);
  run("env4teleport " + std::string(400, '7') + " 1 1");  // cut to one line's worth: two words
  std::string manyWords = "env4teleport";
  for (int i = 0; i < 120; ++i) manyWords += " 5";
  run(manyWords);
  EXPECT_EQ(where(), Untouched);
}

}  // namespace
}  // namespace gloam::console
