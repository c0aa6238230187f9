// The six faces of a Wall cube as data: which neighbour hides the face, its normal, and its four
// corners with their texture coordinates, on a cube spanning -1..1 (scaled to one cell when drawn).
// Both wall renderers read this one table, so they cannot drift apart.
#pragma once
#include <array>

namespace gloam::fpview {

struct FaceCorner {
  float s, t;     // texture coordinate; t = 0 is the picture's bottom row
  float x, y, z;  // position on the -1..1 cube
};

struct WallCubeFace {
  int nx, ny, nz;  // offset of the neighbour cell whose Wall hides this face
  float normal[3];
  FaceCorner corners[4];
};

inline constexpr int WallCubeFaceCount = 6;

// In drawing order: the faces towards the deeper level, the shallower level, the lower row, the
// higher row, the higher column and the lower column. Rows run the other way round from columns
// in the scene, hence the face towards row y - 1 lies at local +y.
inline constexpr std::array<WallCubeFace, WallCubeFaceCount> WallCubeFaces{{
    {0, 0, 1, {0, 0, 1}, {{0, 1, -1, -1, 1}, {1, 1, 1, -1, 1}, {1, 0, 1, 1, 1}, {0, 0, -1, 1, 1}}},
    {0, 0, -1, {0, 0, -1}, {{1, 1, -1, -1, -1}, {1, 0, -1, 1, -1}, {0, 0, 1, 1, -1}, {0, 1, 1, -1, -1}}},
    {0, -1, 0, {0, 1, 0}, {{0, 1, -1, 1, -1}, {0, 0, -1, 1, 1}, {1, 0, 1, 1, 1}, {1, 1, 1, 1, -1}}},
    {0, 1, 0, {0, -1, 0}, {{1, 1, -1, -1, -1}, {0, 1, 1, -1, -1}, {0, 0, 1, -1, 1}, {1, 0, -1, -1, 1}}},
    {1, 0, 0, {1, 0, 0}, {{0, 1, 1, -1, -1}, {1, 1, 1, 1, -1}, {1, 0, 1, 1, 1}, {0, 0, 1, -1, 1}}},
    {-1, 0, 0, {-1, 0, 0}, {{0, 1, -1, -1, -1}, {0, 0, -1, -1, 1}, {1, 0, -1, 1, 1}, {1, 1, -1, 1, -1}}},
}};

}  // namespace gloam::fpview
