// The faces of the block that the eye can see, in roughly near-to-far order. Seen from an eye in
// open space, the first surface along any line of sight is the face through which it enters its
// first Wall cube, so only faces that (1) border open space the eye reaches through open cells,
// (2) face the eye and (3) touch the view frustum can colour a pixel. The picture keeps every
// pixel of the full walk except where two faces meet on an edge. When that reasoning does not
// hold (the eye inside or within near-plane reach of Wall, or a line of sight through an
// undrawn Wall cell on the grid's rim), every face of the full walk is given instead.
#pragma once
#include <cstdint>
#include <vector>

#include "fpview/view_frustum.hpp"
#include "fpview/wall_block_walk.hpp"

namespace gloam::fpview {

// Per-frame workspace, sized once for the block.
struct VisibilityScratch {
  std::vector<std::uint8_t> reached;  // per block cell: 1 once the flood has reached it
  std::vector<std::int32_t> order;    // block cells in the order reached, the eye's first
};

// The eye in the block's coordinates: the PlayerUnit's cell centre is the origin.
struct EyePoint {
  float x, y, z;
};
EyePoint eyeInBlock(const units::UnitRecord& player);

// True when the eye stands in its own cell, that cell is not drawn Wall and no drawn Wall cube
// comes nearer to the eye than the near plane's corners do.
bool eyeIsClearOfWall(const world::DungeonGrid& grid, const units::UnitRecord& player);

// Floods the block's open cells (all but drawn Wall) from the eye's cell across shared faces,
// recording them in scratch.order. False if it reached an undrawn Wall cell on the grid's rim.
bool floodOpenSpace(const world::DungeonGrid& grid, const units::UnitRecord& player, int radius,
                    VisibilityScratch& scratch);

namespace detail {

// From an open cell to the Wall cube beside it, and the face of that cube which looks back.
struct FaceStep {
  int dx, dy, dz;
  int face;  // index into WallCubeFaces
};
extern const FaceStep FaceSteps[WallCubeFaceCount];

// The face's corners in block coordinates, as the batched renderer sends them.
inline void faceCorners(const WallCubeFace& face, CellShift s, float out[4][3]) {
  for (int k = 0; k < 4; ++k) {
    out[k][0] = static_cast<float>(s.x) + 0.5f * face.corners[k].x;
    out[k][1] = static_cast<float>(s.y) + 0.5f * face.corners[k].y;
    out[k][2] = static_cast<float>(s.z) + 0.5f * face.corners[k].z;
  }
}

// The eye lies on the face's outer side (or, within rounding, in its plane).
inline bool facesEye(const WallCubeFace& face, CellShift s, EyePoint e) {
  const float d = (e.x - static_cast<float>(s.x)) * face.normal[0] + (e.y - static_cast<float>(s.y)) * face.normal[1] +
                  (e.z - static_cast<float>(s.z)) * face.normal[2];
  return d > 0.5f - 1e-4f;
}

// Passes the full walk's faces through the frustum test.
template <class Visitor>
struct FrustumFilter {
  const ViewFrustum& frustum;
  Visitor& visitor;
  void wallCell(CellShift) {}
  void face(const WallCubeFace& f, CellShift s) {
    float corners[4][3];
    faceCorners(f, s, corners);
    if (!frustum.excludes(corners)) visitor.face(f, s);
  }
};

}  // namespace detail

// visitor.face(face, shift) for every face that can be seen, each once.
template <class Visitor>
void walkVisibleWallFaces(const world::DungeonGrid& grid, const units::UnitRecord& player, int radius,
                          const ViewFrustum& frustum, VisibilityScratch& scratch, Visitor& visitor) {
  if (radius <= 0) return;  // an empty block, as in the full walk
  detail::FrustumFilter<Visitor> filter{frustum, visitor};
  if (!eyeIsClearOfWall(grid, player) || !floodOpenSpace(grid, player, radius, scratch)) {
    walkWallBlock(grid, player, radius, filter);
    return;
  }
  const EyePoint eye = eyeInBlock(player);
  const int side = 2 * radius;
  const int lo[3] = {player.cellX - radius, player.cellY - radius, player.level - radius};
  for (const std::int32_t index : scratch.order) {
    const int bx = index % side, by = index / side % side, bz = index / side / side;
    for (const detail::FaceStep& step : detail::FaceSteps) {
      const int nx = bx + step.dx, ny = by + step.dy, nz = bz + step.dz;
      if (nx < 0 || ny < 0 || nz < 0 || nx >= side || ny >= side || nz >= side) continue;
      const int x = lo[0] + nx, y = lo[1] + ny, z = lo[2] + nz;
      if (!isDrawnCell(x, y, z) || grid.cellAt(x, y, z) != cell::Wall) continue;
      const WallCubeFace& face = WallCubeFaces[step.face];
      const CellShift shift{x - player.cellX, player.cellY - y, z - player.level};
      if (detail::facesEye(face, shift, eye)) filter.face(face, shift);
    }
  }
}

}  // namespace gloam::fpview
