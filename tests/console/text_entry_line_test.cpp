// The text entry line: which held keys type what, in which order, where the line stops growing,
// what each accepted key costs in pause time, and when the cursor shows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "console/fake_platform.hpp"
#include "console/text_entry_line.hpp"
#include "platform/keys.hpp"

namespace gloam::console {
namespace {

class TextEntryLine : public ::testing::Test {
 protected:
  testing::FakePlatform platform;
  Screen screen;
  draw::TextBuffer text;
  ConsoleState console;

  void SetUp() override {
    setScreenMode(screen, 320, 240);
    initConsole(console);
  }
  void edit(std::set<int> keys, int maxLength = 30, int frame = 0) {
    platform.held = std::move(keys);
    editTextLine(console, TextEntryIo{platform, screen, text, frame}, 14, 73, maxLength, "CMD:");
  }
  void type(const std::string& line) {
    std::strcpy(console.CommandLine, line.c_str());
    console.CommandLength = static_cast<int>(line.size());
  }
  std::string line() const { return console.CommandLine; }
};

TEST_F(TextEntryLine, ShiftPressedDuringAPauseCountsFromTheNextKeyTestOn) {
  platform.duringSleep = [](testing::FakePlatform& p) { p.held.insert(vk::Shift); };
  platform.held = {vk::letter('A'), vk::letter('B')};
  editTextLine(console, TextEntryIo{platform, screen, text, 0}, 14, 73, 30, "CMD:");
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
    type(c.before);
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
  type("ab");
  for (const auto& [frame, want] : {std::pair{9, "CMD:ab_"}, {10, "CMD:ab"}, {19, "CMD:ab"}, {20, "CMD:ab_"}}) {
    edit({}, 30, frame);
    EXPECT_STREQ(text.text, want) << "frame " << frame;
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
