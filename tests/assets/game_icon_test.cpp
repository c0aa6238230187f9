// The desktop icon at every hicolor size: the right dimensions, the same picture at each (a warm
// doorway low in the middle, dark sky in the corners), and the PNG files where the theme wants them.
#include "makeart/game_icon.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include "bmp_test_files.hpp"

namespace gloam::makeart {
namespace {

int brightness(Colour c) { return c.r + c.g + c.b; }

TEST(GameIcon, EverySizeShowsALitDoorwayUnderADarkSky) {
  for (int size : GameIconSizes) {
    SCOPED_TRACE(size);
    const Canvas icon = paintGameIcon(size);
    ASSERT_EQ(icon.width, size);
    ASSERT_EQ(icon.height, size);
    const Colour glow = icon.at(size / 2, size * 7 / 8);
    const Colour sky = icon.at(0, 0);
    EXPECT_GT(glow.r, glow.b + 60);  // firelight is warm
    EXPECT_GT(brightness(glow), brightness(sky) + 150);
    EXPECT_GT(sky.b, sky.g);  // dusk
  }
}

TEST(GameIcon, WritesOnePngPerSizeIntoTheHicolorLayout) {
  assets::testing::ScratchDir dir("game-icons");
  ASSERT_EQ(writeGameIcons(dir.path().string()), "");
  for (int size : GameIconSizes) {
    const std::string edge = std::to_string(size);
    std::ifstream png(dir.path() / "hicolor" / (edge + "x" + edge) / "apps" / "gloamdelve.png", std::ios::binary);
    unsigned char head[24] = {};
    ASSERT_TRUE(png.read(reinterpret_cast<char*>(head), sizeof head)) << size;
    EXPECT_EQ(head[1], 'P');
    EXPECT_EQ((head[16] << 24) | (head[17] << 16) | (head[18] << 8) | head[19], size);  // IHDR width
  }
  std::ofstream(dir.path() / "blocked") << "a file where the folder should be";
  EXPECT_NE(writeGameIcons((dir.path() / "blocked").string()), "");
}

}  // namespace
}  // namespace gloam::makeart
