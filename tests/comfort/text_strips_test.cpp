// The dark strips: they cover exactly the rows and columns the drawers ink, one pixel wider on
// every side, and leave the rest of the picture as it was.
#include <gtest/gtest.h>

#include "comfort/help_panel.hpp"
#include "comfort/notice.hpp"
#include "comfort/text_strips.hpp"
#include "views/overlay_texts.hpp"

namespace gloam::comfort {
namespace {

// A 200 x 100 screen filled with one bright colour.
Screen brightScreen() {
  Screen s;
  s.mode = {200, 100, 1};
  s.framebuffer.assign(200 * 100 * 4, 200);
  return s;
}

struct Box {
  int left = 1000, bottom = 1000, right = -1, top = -1;
  bool operator==(const Box&) const = default;
};

// The box of pixels whose red channel has the value `red`.
Box boxOf(const Screen& s, std::uint8_t red) {
  Box b;
  for (int y = 0; y < s.mode.height; ++y)
    for (int x = 0; x < s.mode.width; ++x)
      if (s.framebuffer[(static_cast<std::size_t>(y) * s.mode.width + x) * 4] == red) {
        b = {std::min(b.left, x), std::min(b.bottom, y), std::max(b.right, x), std::max(b.top, y)};
      }
  return b;
}

TEST(TextStrips, TheStripFramesTheInkedTextByOnePixel) {
  struct Case {
    const char* text;
    bool large;
  };
  const Case cases[] = {{"Wg|jq", false}, {"MW_ay", true}, {"teleported to 101,101,2", false}};
  for (const Case& c : cases) {
    Screen s = brightScreen();
    draw::TextBuffer text;
    draw::formatText(text, "%s", c.text);
    if (c.large)
      drawLargeOnStrip(s, text, 20, 50, {255, 255, 255});
    else
      drawSmallOnStrip(s, text, 20, 50, {255, 255, 255});
    const Box ink = boxOf(s, 255);
    const Box strip = boxOf(s, 200 / StripDarkening);
    EXPECT_EQ(strip.left, 19) << c.text;
    EXPECT_LT(ink.right, strip.right) << c.text;
    EXPECT_LE(strip.right, ink.right + 3) << c.text;  // ends with the last glyph's advance
    EXPECT_EQ(strip.bottom, (c.large ? 50 - 12 : 50 - 7) - 1) << c.text;
    EXPECT_EQ(strip.top, (c.large ? 50 - 1 : 50 + 1) + 1) << c.text;
    EXPECT_GE(ink.bottom, strip.bottom + 1) << c.text;
    EXPECT_LE(ink.top, strip.top - 1) << c.text;
  }
}

TEST(TextStrips, DarkeningIsClippedToTheScreen) {
  Screen s = brightScreen();
  darkenRect(s, -10, -10, 5, 300);
  EXPECT_EQ(boxOf(s, 50), (Box{0, 0, 5, 99}));
  EXPECT_EQ(s.framebuffer[6 * 4], 200);
}

int smallWidth(const char* text) {
  draw::TextBuffer buffer;
  draw::formatText(buffer, "%s", text);
  return smallTextWidth(buffer);
}

// The hint from the notice's x; each help row's keys before the effect column.
TEST(ComfortLines, TheHintAndEveryHelpRowFitTheFirstPersonMode) {
  EXPECT_LE(views::NoticeX + smallWidth(HintText), FirstPersonMode.width);
  for (const HelpRow& row : HelpRows) {
    EXPECT_LT(HelpPanelX + smallWidth(row.keys), HelpEffectX) << row.keys;
    EXPECT_LE(HelpEffectX + smallWidth(row.effect), FirstPersonMode.width - 4) << row.effect;
  }
}

// A result wider than the line goes on over several lines at word ends, the first where a single
// line would stand; a word wider than the line gets a line to itself.
TEST(ComfortLines, ALongResultWrapsAtWordEnds) {
  Screen s = brightScreen();
  draw::TextBuffer text;
  drawSmallWrappedOnStrips(s, text, "aaa bbb ccc", 2, 90, smallWidth("aaa bbb"), {0, 0, 0});
  EXPECT_STREQ(text.text, "ccc");  // the last line drawn
  const Box ink = boxOf(s, 0);
  EXPECT_GE(ink.top, 90 - 7);  // a line at y inks rows y - 7 .. y + 1
  EXPECT_LE(ink.top, 90 + 1);
  EXPECT_LT(ink.bottom, 90 - 7);  // and there is ink below the first line: a second one
  Screen one = brightScreen();
  drawSmallWrappedOnStrips(one, text, "aaaaaaaa", 2, 90, 1, {0, 0, 0});
  EXPECT_STREQ(text.text, "aaaaaaaa");
}

}  // namespace
}  // namespace gloam::comfort
