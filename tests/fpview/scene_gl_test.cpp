// The first-person scene in a real GL context: the clear colour reads back as the key, key texels
// drop out while near-key ones are copied, a corridor shows its walls, floor and ceiling where
// they belong, and the batched renderer draws the per-cube renderer's picture.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "fpview/gl_fixed_state.hpp"
#include "fpview/scene_composite.hpp"
#include "fpview/scene_constants.hpp"
#include "fpview/scene_textures.hpp"
#include "fpview/wall_blocks.hpp"
#include "gl_test_context.hpp"
#include "test_worlds.hpp"

namespace gloam::fpview {
namespace {

class SceneGl : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(testing::headlessGl(), nullptr);
    setScreenMode(screen, 320, 240);
    setProjection();
    useWallColour(40, 120, 200);
  }
  void TearDown() override { glDeleteTextures(SceneTextureCount, state.sceneTextures.data()); }

  void useWallColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    glDeleteTextures(SceneTextureCount, state.sceneTextures.data());
    testing::makeSceneBank(bank, r, g, b);
    uploadSceneTextures(state, bank);
    applyFixedGlState();
  }

  // One scene as drawFirstPersonView draws it, without the movement.
  void render(WallRenderPath path = WallRenderPath::Batched) {
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (path == WallRenderPath::Batched) {
      drawWallBlocks(state, grid, player);
    } else {
      drawWallBlocksPerCube(state, grid, player);
    }
    clearFramebuffer(screen);
    compositeScene(screen);
  }

  const std::uint8_t* fb(int x, int y) const { return screen.framebuffer.data() + (y * 320 + x) * 4; }
  bool isColour(int x, int y, int r, int g, int b) const {
    const std::uint8_t* p = fb(x, y);
    return p[0] == r && p[1] == g && p[2] == b && p[3] == 255;
  }

  Screen screen;
  assets::SpriteBank bank;
  FirstPersonState state;
  world::DungeonGrid grid;
  units::UnitRecord player = testing::playerAt(100, 100, 2);
};

TEST_F(SceneGl, ClearColourReadsBackAsTheKeyAndNothingIsCopied) {
  world::allocateGrid(grid);  // no Wall anywhere
  render();
  for (int i = 0; i < SceneWidth * SceneHeight; ++i) {
    const std::uint8_t* c = screen.sceneCapture.data() + i * 3;
    ASSERT_TRUE(c[0] == 255 && c[1] == 0 && c[2] == 229) << "pixel " << i << ": " << int(c[0]) << ","
                                                         << int(c[1]) << "," << int(c[2]);
  }
  EXPECT_TRUE(std::all_of(screen.framebuffer.begin(), screen.framebuffer.end(), [](auto v) { return v == 0; }));
}

TEST_F(SceneGl, UploadNamesThirtyTwoTexturesAndFillsTheFirstSeven) {
  std::vector<unsigned int> names(state.sceneTextures.begin(), state.sceneTextures.end());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(std::unique(names.begin(), names.end()), names.end());
  EXPECT_NE(names.front(), 0u);
  for (int i = 0; i < SceneTextureCount; ++i) {
    glBindTexture(GL_TEXTURE_2D, state.sceneTextures[i]);
    GLint width = -1, minFilter = 0, magFilter = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
    EXPECT_EQ(width, i < SceneTextureImageCount ? 64 : 0) << "entry " << i;
    if (i < SceneTextureImageCount) {
      EXPECT_EQ(minFilter, GL_NEAREST);
      EXPECT_EQ(magFilter, GL_NEAREST);
    }
  }
}

TEST_F(SceneGl, EmptyWallSlotDrawsTheCubesWhite) {
  testing::buildCorridor(grid, 80, 120);
  testing::makeSceneBank(bank, 1, 2, 3);
  bank[1201] = assets::SpriteSlot{};
  glDeleteTextures(SceneTextureCount, state.sceneTextures.data());
  uploadSceneTextures(state, bank);
  applyFixedGlState();
  render();  // pitch 0: the eye looks straight down at the floor, which fills the view
  EXPECT_TRUE(isColour(160, 120, 255, 255, 255));
}

// Yaw 0 and pitch -90 look level along the corridor towards the lower rows.
TEST_F(SceneGl, CorridorShowsWallsLeftAndRightFloorBelowCeilingAbove) {
  testing::buildCorridor(grid, 80, 120);
  state.viewPitch = -90.0f;
  render();
  EXPECT_TRUE(isColour(5, 120, 40, 120, 200));    // side walls
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

TEST_F(SceneGl, ReadbackHappensInThe640ModeButNothingIsCopied) {
  setScreenMode(screen, 640, 480);
  testing::buildCorridor(grid, 80, 120);
  render();
  EXPECT_EQ(screen.sceneCapture[0], 40);  // the floor fills the view at pitch 0
  EXPECT_EQ(screen.sceneCapture[2], 200);
  EXPECT_TRUE(std::all_of(screen.framebuffer.begin(), screen.framebuffer.end(), [](auto v) { return v == 0; }));
}

}  // namespace
}  // namespace gloam::fpview
