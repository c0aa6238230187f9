// The game's renderer (visible faces only) and the all-faces batched renderer must draw the
// per-cube renderer's picture. They differ in where the cube transforms are multiplied (CPU versus
// GL matrix stack), in which hidden faces are sent and in their order, so the only allowed
// differences are edge pixels that rounding or a depth tie gives to the neighbouring polygon.
#include <vector>

#include "fixtures.hpp"

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

std::vector<std::uint8_t> capture(const Screen& screen) {
  return {screen.sceneCapture.begin(), screen.sceneCapture.begin() + W * H * 3};
}

// Differing pixels of a against b; those that are not edge pixels counted in interior.
int countDiffs(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b, int& interior) {
  int diff = 0;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      if (samePixel(a, y * W + x, b, y * W + x)) continue;
      ++diff;
      interior += !isEdgePixel(a, b, x, y);
    }
  return diff;
}

TEST_F(SceneGl, FastRenderersMatchPerCubeUpToEdgePixels) {
  // A patterned wall picture, so that a shifted texture coordinate would show too.
  useWallPicture([](int i) { return static_cast<std::uint8_t>(i * 7 + i / 192 * 4); });
  testing::buildCaves(grid, 7);
  grid.setCell(102, 100, 2, cell::Wall);  // a pillar beside the eye's room
  // The eye in its room, then close to the pillar (nearer than the near plane's corners reach),
  // then inside it, where only the full walk is right.
  const struct {
    int x, y;
    float yaw, pitch, ox, oy;
  } views[] = {
      {100, 100, 0, 0, 0.5f, 0.5f},         {100, 100, 0, -90, 0.5f, 0.5f},     {100, 100, 20, -60, 0.3f, 0.7f},
      {100, 100, -137, -120, 0.65f, 0.35f}, {100, 100, -600, -239, 0.5f, 0.2f}, {100, 100, 75, -45, 0.8f, 0.5f},
      {101, 100, 90, -80, 0.1f, 0.5f},      {101, 100, -90, -100, 0.1f, 0.5f},  {102, 100, 30, -90, 0.5f, 0.5f}};
  for (const auto& v : views) {
    player = testing::playerAt(v.x, v.y, 2, v.ox, v.oy);
    state.viewYaw = v.yaw;
    state.viewPitch = v.pitch;
    render(WallRenderPath::PerCube);
    const std::vector<std::uint8_t> perCube = capture(screen);
    const WallRenderPath fast[] = {WallRenderPath::Visible, WallRenderPath::AllFaces};
    for (int i = 0; i < 2; ++i) {
      render(fast[i]);
      int interior = 0;
      const int diff = countDiffs(capture(screen), perCube, interior);
      EXPECT_EQ(interior, 0) << "path " << i << " cell " << v.x << " yaw " << v.yaw << " pitch " << v.pitch;
      EXPECT_LE(diff, W * H / 1000) << "path " << i << " cell " << v.x << " yaw " << v.yaw << " pitch " << v.pitch;
    }
  }
}

}  // namespace
}  // namespace gloam::fpview
