// The first-person scene: the readback's copy into the Framebuffer, and the scene drawn in real GL.
#include <algorithm>
#include <vector>

#include "fixtures.hpp"
#include "fpview/first_person_view.hpp"

namespace gloam::fpview {
namespace {

// The memory half of the readback: only the exact key colour (255, 0, 229) is left out, its near
// neighbours are copied with alpha 255, and nothing is copied outside the 320x240 mode.
TEST(SceneCopy, DropsOnlyTheExactKeyColourAndDoesNothingOutsideThe320By240Mode) {
  Screen s;
  setScreenMode(s, 320, 240);
  // Four near neighbours of the key, then the key itself in every other pixel.
  const std::uint8_t neighbours[][3] = {{255, 0, 230}, {254, 0, 229}, {255, 1, 229}, {255, 0, 228}, {255, 0, 229}};
  for (int i = 0; i < 320 * 240 * 3; ++i) s.sceneCapture[i] = neighbours[std::min(i / 3, 4)][i % 3];
  s.framebuffer[4 * 4] = 7;  // a key pixel leaves what was there
  copySceneIntoFramebuffer(s);
  for (int i = 0; i < 4; ++i)
    for (int c = 0; c < 4; ++c) EXPECT_EQ(s.framebuffer[i * 4 + c], c < 3 ? neighbours[i][c] : 255) << i;
  EXPECT_EQ(s.framebuffer[4 * 4], 7);
  int copied = 0;
  for (int i = 0; i < 320 * 240; ++i) copied += s.framebuffer[i * 4 + 3] == 255;
  EXPECT_EQ(copied, 4);

  setScreenMode(s, 640, 480);
  std::fill_n(s.sceneCapture.begin(), 320 * 240 * 3, std::uint8_t{10});
  copySceneIntoFramebuffer(s);
  for (std::uint8_t b : s.framebuffer) ASSERT_EQ(b, 0) << "the 640x480 mode";
}

using testing::SceneGl;

TEST_F(SceneGl, UploadNamesThirtyTwoTexturesAndFillsTheFirstSevenWithNearestFiltering) {
  std::vector<unsigned int> names(state.sceneTextures.begin(), state.sceneTextures.end());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(std::unique(names.begin(), names.end()), names.end());
  EXPECT_NE(names.front(), 0u);
  for (int i = 0; i < SceneTextureCount; ++i) {
    glBindTexture(GL_TEXTURE_2D, state.sceneTextures[i]);
    GLint width = -1, minFilter = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_EQ(width, i < SceneTextureImageCount ? 64 : 0) << "entry " << i;
    if (i < SceneTextureImageCount) {
      EXPECT_EQ(minFilter, GL_NEAREST) << "entry " << i;
    }
  }
}

// Yaw 0 and pitch -90 look level along the corridor towards the lower rows. A wall picture in the
// key colour drops out whole; one a step away from the key is copied exactly, as is any other.
TEST_F(SceneGl, CorridorShowsItsFacesWhereTheyBelongAndOnlyKeyTexelsDropOut) {
  testing::buildCorridor(grid, 80, 120);
  state.viewPitch = -90.0f;
  const std::uint8_t colours[][3] = {{40, 120, 200}, {255, 0, 230}, {254, 0, 229}, {255, 0, 229}};
  for (const auto& c : colours) {
    SCOPED_TRACE(::testing::Message() << "wall " << int(c[0]) << "," << int(c[1]) << "," << int(c[2]));
    useWallColour(c[0], c[1], c[2]);
    render();
    int copied = 0, foreign = 0;
    for (int i = 0; i < 320 * 240; ++i) {
      copied += fb(i % 320, i / 320)[3] != 0;
      foreign += fb(i % 320, i / 320)[3] != 0 && !isColour(i % 320, i / 320, c[0], c[1], c[2]);
    }
    EXPECT_EQ(foreign, 0);
    if (c[0] == 255 && c[1] == 0 && c[2] == 229) {
      EXPECT_EQ(copied, 0);
      continue;
    }
    EXPECT_GT(copied, 320 * 240 / 2);
    const int faces[][2] = {{5, 120}, {314, 120}, {160, 5}, {160, 234}};  // side walls, floor, ceiling
    for (const auto& p : faces) EXPECT_TRUE(isColour(p[0], p[1], c[0], c[1], c[2])) << p[0] << "," << p[1];
    EXPECT_EQ(fb(160, 120)[3], 0);  // past the block's end: background
    // The eye sits 0.04 above the cell centre, so the vanishing point is just below the middle row
    // and the background hole is a square about 320 / 28 pixels wide around it.
    int holeWidth = 0;
    for (int x = 0; x < 320; ++x) holeWidth += fb(x, 118)[3] == 0;
    EXPECT_GT(holeWidth, 8);
    EXPECT_LT(holeWidth, 30);
  }
}

}  // namespace
}  // namespace gloam::fpview
