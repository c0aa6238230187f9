// The first-person scene in a real GL context: the clear colour reads back as the key, key texels
// drop out while near-key ones are copied, a corridor shows its walls, floor and ceiling where
// they belong.
#include <algorithm>
#include <vector>

#include "fpview/scene_constants.hpp"
#include "scene_gl_fixture.hpp"

namespace gloam::fpview {
namespace {

using testing::SceneGl;

TEST_F(SceneGl, ClearColourReadsBackAsTheKeyAndNothingIsCopied) {
  world::allocateGrid(grid);  // no Wall anywhere
  render();
  for (int i = 0; i < SceneWidth * SceneHeight; ++i) {
    const std::uint8_t* c = screen.sceneCapture.data() + i * 3;
    ASSERT_TRUE(c[0] == 255 && c[1] == 0 && c[2] == 229)
        << "pixel " << i << ": " << int(c[0]) << "," << int(c[1]) << "," << int(c[2]);
  }
  EXPECT_TRUE(std::all_of(screen.framebuffer.begin(), screen.framebuffer.end(), [](auto v) { return v == 0; }));
}

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
      EXPECT_EQ(minFilter, GL_NEAREST);
    }
  }
}

// Yaw 0 and pitch -90 look level along the corridor towards the lower rows.
TEST_F(SceneGl, CorridorShowsWallsLeftAndRightFloorBelowCeilingAbove) {
  testing::buildCorridor(grid, 80, 120);
  state.viewPitch = -90.0f;
  render();
  EXPECT_TRUE(isColour(5, 120, 40, 120, 200));  // side walls
  EXPECT_TRUE(isColour(314, 120, 40, 120, 200));
  EXPECT_TRUE(isColour(160, 5, 40, 120, 200));    // floor
  EXPECT_TRUE(isColour(160, 234, 40, 120, 200));  // ceiling
  EXPECT_EQ(fb(160, 120)[3], 0);                  // past the block's end: background
  // The eye sits 0.04 above the cell centre, so the vanishing point is just below the middle row
  // and the background hole is a square about 320 / 28 pixels wide around it.
  int holeWidth = 0;
  for (int x = 0; x < 320; ++x) holeWidth += fb(x, 118)[3] == 0;
  EXPECT_GT(holeWidth, 8);
  EXPECT_LT(holeWidth, 30);
}

TEST_F(SceneGl, KeyColouredTexelsDropOutAndNearKeyTexelsAreCopied) {
  testing::buildCorridor(grid, 80, 120);
  state.viewPitch = -90.0f;
  const struct {
    std::uint8_t r, g, b;
    bool copied;
  } cases[] = {{255, 0, 229, false}, {255, 0, 230, true}, {254, 0, 229, true}};
  for (const auto& c : cases) {
    useWallColour(c.r, c.g, c.b);
    render();
    int copied = 0, foreign = 0;
    for (int y = 0; y < 240; ++y)
      for (int x = 0; x < 320; ++x) {
        if (fb(x, y)[3] == 0) continue;
        ++copied;
        foreign += !isColour(x, y, c.r, c.g, c.b);
      }
    EXPECT_EQ(foreign, 0) << int(c.b);
    if (c.copied) {
      EXPECT_GT(copied, 320 * 240 / 2) << int(c.r) << "," << int(c.b);
    } else {
      EXPECT_EQ(copied, 0);
    }
  }
}

}  // namespace
}  // namespace gloam::fpview
