// The fixture of the first-person GL tests: the shared headless context with the projection and
// fixed state set, scene textures whose wall picture is one flat colour, an empty world and the
// PlayerUnit in the middle of cell (100, 100, 2).
#pragma once
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "core/screen.hpp"
#include "fpview/gl_fixed_state.hpp"
#include "fpview/scene_composite.hpp"
#include "fpview/scene_textures.hpp"
#include "fpview/wall_blocks.hpp"
#include "gl_test_context.hpp"
#include "test_worlds.hpp"

namespace gloam::fpview::testing {

class SceneGl : public ::testing::Test {
 protected:
  void SetUp() override {
    gl = headlessGl();
    ASSERT_NE(gl, nullptr);
    setScreenMode(screen, 320, 240);
    setProjection();
    useWallColour(40, 120, 200);
  }
  void TearDown() override { glDeleteTextures(SceneTextureCount, state.sceneTextures.data()); }

  void useWallColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    glDeleteTextures(SceneTextureCount, state.sceneTextures.data());
    makeSceneBank(bank, r, g, b);
    uploadSceneTextures(state, bank);
    applyFixedGlState();
  }

  // One scene as drawFirstPersonView draws it, without the movement; the readback lands in
  // screen.sceneCapture and the non-key pixels in screen.framebuffer.
  void render(WallRenderPath path = WallRenderPath::Visible) {
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    switch (path) {
      case WallRenderPath::Visible: drawWallBlocks(state, grid, player); break;
      case WallRenderPath::AllFaces: drawAllWallBlocks(state, grid, player); break;
      case WallRenderPath::PerCube: drawWallBlocksPerCube(state, grid, player); break;
    }
    clearFramebuffer(screen);
    compositeScene(screen);
  }

  const std::uint8_t* fb(int x, int y) const { return screen.framebuffer.data() + (y * 320 + x) * 4; }
  bool isColour(int x, int y, int r, int g, int b) const {
    const std::uint8_t* p = fb(x, y);
    return p[0] == r && p[1] == g && p[2] == b && p[3] == 255;
  }

  platform::Platform* gl = nullptr;
  Screen screen;
  assets::SpriteBank bank;
  FirstPersonState state;
  world::DungeonGrid grid;
  units::UnitRecord player = playerAt(100, 100, 2);
};

}  // namespace gloam::fpview::testing
