// Submitted lines on their way to the commands, then the per-frame console step and its text entry line.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "console/command_words.hpp"
#include "console/run_console.hpp"
#include "console/text_entry_line.hpp"
#include "platform/keys.hpp"
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

class ConsoleStep : public testing::ConsoleWorld {
 protected:
  int frame = 0;

  // One frame of the console with `keys` held.
  void step(std::set<int> keys) {
    platform.held = std::move(keys);
    runConsole(console, screen, text, frame++, targets());
  }
  // The text entry line alone, with `keys` held.
  void edit(std::set<int> keys, int maxLength = 30, int atFrame = 0) {
    platform.held = std::move(keys);
    editTextLine(console, TextEntryIo{platform, screen, text, atFrame}, 14, 73, maxLength, "CMD:");
  }
  void setLine(const std::string& typed) {
    std::strcpy(console.CommandLine, typed.c_str());
    console.CommandLength = static_cast<int>(typed.size());
  }
  std::string line() const { return console.CommandLine; }
};
using RunConsole = ConsoleStep;
using TextEntryLine = ConsoleStep;

TEST_F(RunConsole, HiddenConsoleIgnoresKeysAndEnter) {
  step({vk::letter('A'), vk::Enter, vk::Backspace});
  EXPECT_EQ(console.CommandLength, 0);
  EXPECT_EQ(console.CommandSubmitted, 0);
  EXPECT_TRUE(platform.sleeps.empty());
  EXPECT_STREQ(text.text, "");
}

TEST_F(RunConsole, TabTogglesEveryFrameItIsHeldAndTypesInTheSameFrame) {
  step({vk::Tab, vk::letter('A')});
  EXPECT_EQ(console.ConsoleVisible, 1);
  EXPECT_STREQ(console.CommandLine, "a");
  EXPECT_STREQ(text.text, "CMD:a_");
  step({vk::Tab, vk::letter('B')});
  EXPECT_EQ(console.ConsoleVisible, 0);
  EXPECT_STREQ(console.CommandLine, "a");
  EXPECT_EQ(platform.sleeps, (std::vector<int>{400, 120, 400}));
}

TEST_F(RunConsole, EnterTwiceRunsTheKeptLineTwice) {
  step({vk::Tab});
  for (const char c : std::string("SCREENSAVERTOGGLE")) step({vk::letter(c)});
  step({vk::Enter});
  EXPECT_EQ(screenSaverMode, 1);
  step({vk::Enter});
  EXPECT_EQ(screenSaverMode, 0);
  EXPECT_STREQ(console.CommandLine, "screensavertoggle");
  EXPECT_EQ(platform.sleptMs(), 400 + 17 * 120 + 2 * (500 + 400));
}

TEST_F(RunConsole, ATypedLineStopsAtThirtyCharacters) {
  step({vk::Tab});
  for (int i = 0; i < 40; ++i) step({vk::digit(i % 10)});
  EXPECT_EQ(console.CommandLength, ConsoleLineMaxLength);
  EXPECT_EQ(platform.sleptMs(), 400 + ConsoleLineMaxLength * 120);
}

TEST_F(TextEntryLine, ShiftPressedDuringAPauseCountsFromTheNextKeyTestOn) {
  platform.duringSleep = [](testing::FakePlatform& p) { p.held.insert(vk::Shift); };
  edit({vk::letter('A'), vk::letter('B')});
  EXPECT_EQ(line(), "aAB");
}

TEST_F(TextEntryLine, HeldKeysTypeInTableOrderEachAcceptedOneWithItsOwnPause) {
  const struct {
    const char* before;
    std::set<int> held;
    int maxLength;
    const char* after;
    std::vector<int> sleeps;
  } cases[] = {
      {"", {vk::letter('A')}, 30, "a", {120}},
      {"a", {vk::letter('A'), vk::Shift}, 30, "aA", {120}},  // Shift chooses the case
      {"x",
       {vk::digit(1), vk::letter('Z'), vk::letter('B'), vk::letter('A'), vk::Space, vk::Backspace},
       30,
       " abz1",
       std::vector<int>(6, 120)},
      {"", {vk::Backspace}, 30, "", {}},                                  // nothing to erase, no pause
      {"abc", {vk::letter('D'), vk::digit(7), vk::Space}, 3, "abc", {}},  // a full line refuses without pausing
      {"abc", {vk::Backspace, vk::letter('D'), vk::letter('E')}, 3, "abd", {120, 120}},  // one slot frees, one fills
      {"", {vk::Enter, vk::letter('A')}, 30, "", {500}},  // Enter submits without typing or drawing
  };
  for (const auto& c : cases) {
    console = {};
    initConsole(console);
    text = {};
    platform.sleeps.clear();
    setLine(c.before);
    edit(c.held, c.maxLength);
    EXPECT_EQ(line(), c.after) << c.before;
    EXPECT_EQ(console.CommandLength, static_cast<int>(line().size()));
    EXPECT_EQ(platform.sleeps, c.sleeps) << c.before;
    const bool enter = c.held.count(vk::Enter) != 0;
    EXPECT_EQ(console.CommandSubmitted, enter ? 1 : 0);
    EXPECT_EQ(text.text[0] == '\0', enter) << text.text;
  }
}

TEST_F(TextEntryLine, MaxLengthIsCappedAtTheBufferSize) {
  for (int i = 0; i < 300; ++i) edit({vk::letter('Q')}, 100000);
  EXPECT_EQ(console.CommandLength, MaxLineLength);
  EXPECT_EQ(line(), std::string(MaxLineLength, 'q'));
}

TEST_F(TextEntryLine, CursorShowsForTenFramesAndHidesForTen) {
  setLine("ab");
  for (const auto& [atFrame, want] : {std::pair{9, "CMD:ab_"}, {10, "CMD:ab"}, {19, "CMD:ab"}, {20, "CMD:ab_"}}) {
    edit({}, 30, atFrame);
    EXPECT_STREQ(text.text, want) << "frame " << atFrame;
  }
}

TEST_F(TextEntryLine, TheLineIsDrawnInWhiteAtItsPosition) {
  edit({vk::letter('W')});
  int white = 0;
  for (int y = 61; y <= 72; ++y)
    for (int x = 14; x < 14 + 8 * 6; ++x)
      white += screen.framebuffer[(y * 320 + x) * 4] == 255 && screen.framebuffer[(y * 320 + x) * 4 + 2] == 255;
  EXPECT_GT(white, 0);
}

}  // namespace
}  // namespace gloam::console
