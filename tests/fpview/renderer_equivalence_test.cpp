// The batched renderer must draw the per-cube renderer's picture. The two differ only in where
// the cube transforms are multiplied (CPU versus GL matrix stack), so the only allowed
// differences are pixels on a polygon edge that rounding gives to the other side.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "fpview/gl_fixed_state.hpp"
#include "fpview/scene_textures.hpp"
#include "fpview/wall_blocks.hpp"
#include "gl_test_context.hpp"
#include "test_worlds.hpp"

namespace gloam::fpview {
namespace {

constexpr int W = 320;
constexpr int H = 240;

std::vector<std::uint8_t> renderScene(const FirstPersonState& state, const world::DungeonGrid& grid,
                                      const units::UnitRecord& player, WallRenderPath path) {
  glLoadIdentity();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (path == WallRenderPath::Batched) {
    drawWallBlocks(state, grid, player);
  } else {
    drawWallBlocksPerCube(state, grid, player);
  }
  std::vector<std::uint8_t> rgb(W * H * 3);
  glReadPixels(0, 0, W, H, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  return rgb;
}

bool samePixel(const std::vector<std::uint8_t>& a, int i, const std::vector<std::uint8_t>& b, int j) {
  return a[i * 3] == b[j * 3] && a[i * 3 + 1] == b[j * 3 + 1] && a[i * 3 + 2] == b[j * 3 + 2];
}

// A differing pixel is an edge pixel when the other picture shows its colour right next to it.
bool isEdgePixel(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const int nx = x + dx, ny = y + dy;
      if (nx >= 0 && ny >= 0 && nx < W && ny < H && samePixel(a, y * W + x, b, ny * W + nx)) return true;
    }
  return false;
}

TEST(RendererEquivalence, BatchedMatchesPerCubeUpToEdgeRounding) {
  ASSERT_NE(testing::headlessGl(), nullptr);
  assets::SpriteBank bank;
  testing::makeSceneBank(bank, 0, 0, 0);
  // A textured wall picture, so that a shifted texture coordinate would show too.
  std::uint8_t* p = bank[1201].pixels.data();
  for (int i = 0; i < 64 * 64; ++i) {
    p[i * 3] = static_cast<std::uint8_t>(i * 7);
    p[i * 3 + 1] = static_cast<std::uint8_t>(i / 64 * 4);
    p[i * 3 + 2] = static_cast<std::uint8_t>(i % 64 * 4);
  }
  FirstPersonState state;
  setProjection();
  uploadSceneTextures(state, bank);
  applyFixedGlState();
  world::DungeonGrid grid;
  testing::buildCaves(grid, 7);

  const struct {
    float yaw, pitch, ox, oy;
  } views[] = {{0, 0, 0.5f, 0.5f}, {0, -90, 0.5f, 0.5f}, {20, -60, 0.3f, 0.7f}, {-137, -120, 0.65f, 0.35f},
               {-600, -239, 0.5f, 0.2f}, {75, -45, 0.8f, 0.5f}};
  int totalDiff = 0;
  for (const auto& v : views) {
    state.viewYaw = v.yaw;
    state.viewPitch = v.pitch;
    units::UnitRecord player = testing::playerAt(100, 100, 2);
    player.offsetX = v.ox;
    player.offsetY = v.oy;
    const auto batched = renderScene(state, grid, player, WallRenderPath::Batched);
    const auto perCube = renderScene(state, grid, player, WallRenderPath::PerCube);
    int diff = 0, interior = 0;
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x) {
        if (samePixel(batched, y * W + x, perCube, y * W + x)) continue;
        ++diff;
        interior += !isEdgePixel(batched, perCube, x, y);
      }
    std::printf("yaw %g pitch %g: %d of %d pixels differ\n", v.yaw, v.pitch, diff, W * H);
    EXPECT_EQ(interior, 0) << "yaw " << v.yaw << " pitch " << v.pitch;
    EXPECT_LE(diff, W * H / 1000) << "yaw " << v.yaw << " pitch " << v.pitch;
    totalDiff += diff;
  }
  std::printf("edge pixels differing over %zu views: %d\n", std::size(views), totalDiff);
  glDeleteTextures(SceneTextureCount, state.sceneTextures.data());
}

}  // namespace
}  // namespace gloam::fpview
