// The flood and the eye test behind the visible-face walk. Block cells are numbered
// x + side * (y + side * z) from the block's lowest corner.
#include "fpview/visible_wall_faces.hpp"

#include <algorithm>
#include <cmath>

namespace gloam::fpview {
namespace {

// The near plane's corners lie 0.1215 from the eye (near 0.1, 45-degree field, aspect 4/3);
// a Wall cube nearer than this could be cut open by the near plane.
constexpr float NearReach = 0.15f;

bool inGrid(int x, int y, int z) {
  return x >= 0 && y >= 0 && z >= 0 && x < GridSide && y < GridSide && z < LevelCount;
}

bool isDrawnWall(const world::DungeonGrid& grid, int x, int y, int z) {
  return isDrawnCell(x, y, z) && grid.cellAt(x, y, z) == cell::Wall;
}

// Distance from the eye to the unit cube centred on (cx, cy, cz).
float distanceToCube(EyePoint e, int cx, int cy, int cz) {
  const auto gap = [](float v, int c) { return std::max(0.0f, std::fabs(v - static_cast<float>(c)) - 0.5f); };
  const float gx = gap(e.x, cx), gy = gap(e.y, cy), gz = gap(e.z, cz);
  return std::sqrt(gx * gx + gy * gy + gz * gz);
}

}  // namespace

namespace detail {

// Wall beside the open cell at grid offset d shows the face whose hiding neighbour is -d.
const FaceStep FaceSteps[WallCubeFaceCount] = {
    {0, 0, -1, 0}, {0, 0, 1, 1}, {0, 1, 0, 2}, {0, -1, 0, 3}, {-1, 0, 0, 4}, {1, 0, 0, 5},
};

}  // namespace detail

EyePoint eyeInBlock(const units::UnitRecord& player) {
  return {0.5f - player.offsetX, 0.5f - player.offsetY, 0.5f - player.offsetZ};
}

bool eyeIsClearOfWall(const world::DungeonGrid& grid, const units::UnitRecord& player) {
  const EyePoint e = eyeInBlock(player);
  if (std::fabs(e.x) > 0.5f || std::fabs(e.y) > 0.5f || std::fabs(e.z) > 0.5f) return false;
  for (int dz = -1; dz <= 1; ++dz)
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        // Block coordinates run against rows: the cell at row + dy sits at -dy.
        const int x = player.cellX + dx, y = player.cellY + dy, z = player.level + dz;
        if (isDrawnWall(grid, x, y, z) && distanceToCube(e, dx, -dy, dz) < NearReach) return false;
      }
  return true;
}

bool floodOpenSpace(const world::DungeonGrid& grid, const units::UnitRecord& player, int radius,
                    VisibilityScratch& scratch) {
  const int side = 2 * radius;
  const std::size_t cells = static_cast<std::size_t>(side) * side * side;
  scratch.reached.assign(cells, 0);
  scratch.order.clear();
  if (scratch.order.capacity() < cells) scratch.order.reserve(cells);
  const int lo[3] = {player.cellX - radius, player.cellY - radius, player.level - radius};
  const std::int32_t start = radius + side * (radius + side * radius);
  // An eye inside any Wall cell, drawn or not, looks at cubes from within.
  if (inGrid(player.cellX, player.cellY, player.level) &&
      grid.cellAt(player.cellX, player.cellY, player.level) == cell::Wall)
    return false;
  scratch.reached[start] = 1;
  scratch.order.push_back(start);
  for (std::size_t next = 0; next < scratch.order.size(); ++next) {
    const std::int32_t index = scratch.order[next];
    const int bx = index % side, by = index / side % side, bz = index / side / side;
    for (const detail::FaceStep& step : detail::FaceSteps) {
      const int nx = bx + step.dx, ny = by + step.dy, nz = bz + step.dz;
      if (nx < 0 || ny < 0 || nz < 0 || nx >= side || ny >= side || nz >= side) continue;
      const std::int32_t n = nx + side * (ny + side * nz);
      if (scratch.reached[n]) continue;
      const int x = lo[0] + nx, y = lo[1] + ny, z = lo[2] + nz;
      if (inGrid(x, y, z) && grid.cellAt(x, y, z) == cell::Wall) {
        if (!isDrawnCell(x, y, z)) return false;  // a line of sight could enter a cube through an undrawn face
        continue;
      }
      scratch.reached[n] = 1;
      scratch.order.push_back(n);
    }
  }
  return true;
}

}  // namespace gloam::fpview
