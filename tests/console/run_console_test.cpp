// The per-frame console step and the text entry line under it: Tab, the hidden console, which held
// keys type what and in which order, where the line stops growing, submitting and re-submitting,
// when the cursor shows, and the exact pause each accepted key costs.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "console/run_console.hpp"
#include "console/text_entry_line.hpp"
#include "platform/keys.hpp"
#include "support/console_world.hpp"

namespace gloam::console {
namespace {

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
