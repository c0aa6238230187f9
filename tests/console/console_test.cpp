// Submitted lines on their way to the commands: the word split and the number reader at their
// edges, name matching, word counting, the exact cells each edit touches, and the teleport's
// clamps and Wall refusal.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "console/command_words.hpp"
#include "console/run_console.hpp"
#include "support/console_world.hpp"
#include "world/cell_codes.hpp"

namespace gloam::console {
namespace {

using world::DungeonGrid;

std::vector<std::string> split(const std::string& line, int* count = nullptr) {
  std::vector<CommandToken> tokens(CommandTokenCount);
  const int n = splitCommandWords(line.c_str(), tokens.data(), CommandTokenCount);
  if (count) *count = n;
  std::vector<std::string> out;
  for (int i = 0; i < n && i < CommandTokenCount; ++i) out.emplace_back(tokens[i].data());
  return out;
}

TEST(SplitCommandWords, SeparatorRunsAndEndsMakeNoEmptyWords) {
  EXPECT_TRUE(split("").empty());
  EXPECT_TRUE(split(" -,\t\n ").empty());
  EXPECT_EQ(split(",a--b \t c\n"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(split("x\rx\x80\xff"), (std::vector<std::string>{"x\rx\x80\xff"}));
}

TEST(SplitCommandWords, WordsBeyondTheBuffersAreCountedNotStoredAndLongOnesAreCut) {
  int count = 0;
  std::string line;
  for (int i = 0; i < 25; ++i) line += std::to_string(i) + " ";
  const std::vector<std::string> words = split(line, &count);
  EXPECT_EQ(count, 25);
  ASSERT_EQ(words.size(), 20u);
  EXPECT_EQ(words.back(), "19");
  EXPECT_EQ(split(std::string(400, 'w') + " tail"),
            (std::vector<std::string>{std::string(CommandTokenSize - 1, 'w'), "tail"}));
}

TEST(ParseLeadingInt, ReadsLikeAtoiAndSaturates) {
  EXPECT_EQ(parseLeadingInt("12abc"), 12);
  EXPECT_EQ(parseLeadingInt("abc"), 0);
  EXPECT_EQ(parseLeadingInt(""), 0);
  EXPECT_EQ(parseLeadingInt("+7"), 7);
  EXPECT_EQ(parseLeadingInt("\v\r 42"), 42);
  EXPECT_EQ(parseLeadingInt("-15"), -15);
  EXPECT_EQ(parseLeadingInt("2147483647"), INT_MAX);
  EXPECT_EQ(parseLeadingInt("2147483648"), INT_MAX);
  EXPECT_EQ(parseLeadingInt("-2147483648"), INT_MIN);
  EXPECT_EQ(parseLeadingInt("-2147483649"), INT_MIN);
  EXPECT_EQ(parseLeadingInt("000000000000000000009"), 9);
}

class ConsoleCommands : public testing::ConsoleWorld {
 protected:
  void run(const std::string& line) { executeCommandLine(console, line.c_str(), targets()); }
  // The player's cell, then the ViewOrigin.
  std::array<int, 6> where() const {
    return {player().cellX, player().cellY, player().level, viewOrigin.sx, viewOrigin.sy, viewOrigin.sz};
  }
  static std::array<int, 6> both(int x, int y, int z) { return {x, y, z, x, y, z}; }
  static constexpr std::array<int, 6> Untouched{10, 20, 4, 5, 6, 3};
};

TEST_F(ConsoleCommands, EachCellCommandWritesExactlyItsCellsAndNoneOffTheGrid) {
  const auto at = DungeonGrid::indexOf;
  struct Case {
    const char* line;
    std::array<int, 3> player;
    std::vector<std::size_t> cells;
    cell::Code code;
  };
  const Case cases[] = {
      {"corner1", {10, 20, 4}, {at(10, 20, 4), at(10, 20, 5)}, cell::EnvCorner},
      {"env4block", {10, 20, 4}, {at(10, 20, 4)}, cell::EnvBlock},
      {"env4grass", {10, 20, 4}, {at(10, 20, 4)}, cell::EnvGrass},
      {"env4dirt 1 2 3 4 5", {10, 20, 4}, {at(10, 20, 4)}, cell::EnvDirt},
      {"env4emptyx1", {10, 20, 4}, {at(11, 20, 4)}, cell::Empty},
      {"env4emptyy1", {10, 20, 4}, {at(10, 21, 4)}, cell::Empty},
      // On the last column, row or level the neighbour is skipped, not wrapped into the next row.
      {"corner1", {255, 20, 179}, {at(255, 20, 179)}, cell::EnvCorner},
      {"env4emptyx1", {255, 20, 179}, {}, cell::Empty},
      {"env4emptyy1", {10, 255, 178}, {}, cell::Empty},
  };
  for (const Case& c : cases) {
    std::memset(grid.cells.get(), cell::Floor, GridBytes);  // so that Empty shows as a change
    placePlayer(c.player[0], c.player[1], c.player[2]);
    snapshot();
    run(c.line);
    EXPECT_EQ(changedCells(), c.cells) << c.line;
    for (std::size_t i : c.cells) EXPECT_EQ(grid.cells[i], c.code) << c.line;
  }
}

TEST_F(ConsoleCommands, NamesMatchWithoutRegardToCaseButOnlyWhole) {
  run("ENV4BLOCK");
  EXPECT_EQ(grid.cellAt(10, 20, 4), cell::EnvBlock);
  run("Env4Grass");
  EXPECT_EQ(grid.cellAt(10, 20, 4), cell::EnvGrass);
  run("SCREENSAVERTOGGLE now");  // and take any number of words
  EXPECT_EQ(screenSaverMode, 1);
  snapshot();
  for (const char* line : {"env4blocks", "env4", "", "   ", "block env4block", "corner1x"}) run(line);
  EXPECT_TRUE(changedCells().empty());
}

// Each line starts from the player at (10, 20, 4) and the ViewOrigin at (5, 6, 3).
TEST_F(ConsoleCommands, TeleportClampsSplitsAndRefuses) {
  grid.setCell(30, 40, 9, cell::Wall);
  std::string oddBytes, manyWords = "env4teleport";
  for (int i = 0; i < 600; ++i) oddBytes.push_back(static_cast<char>(1 + i % 255));
  for (int i = 0; i < 120; ++i) manyWords += " 5";
  const std::pair<std::string, std::array<int, 6>> cases[] = {
      {"env4teleport 0 0 0", both(1, 1, 2)},
      {"env4teleport 999 999 999", both(254, 254, 178)},
      {"env4teleport north 99999999999999999999 7", both(1, 254, 7)},  // not a number reads 0; overflow saturates
      {"  env4teleport   30  40\t,- 6  ", both(30, 40, 6)},
      {"env4teleport-31,41-7", both(31, 41, 7)},                      // the hyphen separates, so no number is negative
      {"env4teleport 30 40", Untouched},                              // exactly three numbers, no fewer
      {"env4teleport 30 40 6 8", Untouched},                          // and no more
      {manyWords, Untouched},                                         // however many words the buffers cannot hold
      {"env4teleport " + std::string(400, '7') + " 1 1", Untouched},  // cut to one line's worth: two words
      {oddBytes, Untouched},
      {"env4teleport 30 40 9", Untouched},        // onto Wall
      {"env4teleport 30 40 8", both(30, 40, 8)},  // the same column on another level is open
  };
  for (const auto& [line, want] : cases) {
    placePlayer(10, 20, 4);
    viewOrigin = {5, 6, 3};
    run(line);
    EXPECT_EQ(where(), want) << line;
  }
}

}  // namespace
}  // namespace gloam::console
