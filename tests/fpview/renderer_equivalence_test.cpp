// The batched renderer must draw the per-cube renderer's picture. The two differ only in where
// the cube transforms are multiplied (CPU versus GL matrix stack), so the only allowed
// differences are edge pixels that rounding gives to the neighbouring polygon.
#include <cstdio>
#include <vector>

#include "scene_gl_fixture.hpp"

namespace gloam::fpview {
namespace {

constexpr int W = 320;
constexpr int H = 240;

bool samePixel(const std::vector<std::uint8_t>& a, int i, const std::vector<std::uint8_t>& b, int j) {
  return a[i * 3] == b[j * 3] && a[i * 3 + 1] == b[j * 3 + 1] && a[i * 3 + 2] == b[j * 3 + 2];
}

// An edge pixel: the other picture shows its colour right next to it.
bool isEdgePixel(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const int nx = x + dx, ny = y + dy;
      if (nx >= 0 && ny >= 0 && nx < W && ny < H && samePixel(a, y * W + x, b, ny * W + nx)) return true;
    }
  return false;
}

using testing::SceneGl;

TEST_F(SceneGl, BatchedMatchesPerCubeUpToEdgeRounding) {
  // A patterned wall picture, so that a shifted texture coordinate would show too.
  std::uint8_t* p = bank[1201].pixels.data();
  for (int i = 0; i < 64 * 64 * 3; ++i) p[i] = static_cast<std::uint8_t>(i * 7 + i / 192 * 4);
  glDeleteTextures(SceneTextureCount, state.sceneTextures.data());
  uploadSceneTextures(state, bank);
  testing::buildCaves(grid, 7);
  const struct {
    float yaw, pitch, ox, oy;
  } views[] = {{0, 0, 0.5f, 0.5f}, {0, -90, 0.5f, 0.5f}, {20, -60, 0.3f, 0.7f}, {-137, -120, 0.65f, 0.35f},
               {-600, -239, 0.5f, 0.2f}, {75, -45, 0.8f, 0.5f}};
  int totalDiff = 0;
  for (const auto& v : views) {
    state.viewYaw = v.yaw;
    state.viewPitch = v.pitch;
    player.offsetX = v.ox;
    player.offsetY = v.oy;
    render(WallRenderPath::Batched);
    const std::vector<std::uint8_t> batched(screen.sceneCapture.begin(), screen.sceneCapture.begin() + W * H * 3);
    render(WallRenderPath::PerCube);
    const std::vector<std::uint8_t> perCube(screen.sceneCapture.begin(), screen.sceneCapture.begin() + W * H * 3);
    int diff = 0, interior = 0;
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x) {
        if (samePixel(batched, y * W + x, perCube, y * W + x)) continue;
        ++diff;
        interior += !isEdgePixel(batched, perCube, x, y);
      }
    EXPECT_EQ(interior, 0) << "yaw " << v.yaw << " pitch " << v.pitch;
    EXPECT_LE(diff, W * H / 1000) << "yaw " << v.yaw << " pitch " << v.pitch;
    totalDiff += diff;
  }
  std::printf("edge pixels differing over %zu views of %d pixels: %d\n", std::size(views), W * H, totalDiff);
}

}  // namespace
}  // namespace gloam::fpview
