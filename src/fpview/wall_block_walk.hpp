// The walk over the block of 28x28x28 cells around the PlayerUnit that finds every Wall cube and
// every face of it that is not hidden by a Wall neighbour. GL-free, so the faces a frame would
// draw can be counted in a test; the batched renderer feeds GL from it.
#pragma once
#include "fpview/wall_cube_faces.hpp"
#include "units/unit_table.hpp"
#include "world/cell_codes.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::fpview {

// The outermost columns, rows and levels are never drawn, so a drawn cube's neighbours are
// always inside the grid.
constexpr bool isDrawnCell(int x, int y, int z) {
  return x >= 1 && x < GridSide - 1 && y >= 1 && y < GridSide - 1 && z >= 1 && z < LevelCount - 1;
}

// Where a cell's cube sits relative to the PlayerUnit's cell: rows run the other way round from
// columns, so the row offset is negated.
struct CellShift {
  int x, y, z;
};

// Visits, in drawing order (level, then row, then column, then the face table's order):
// visitor.wallCell(shift) for every drawn Wall cell, then visitor.face(face, shift) for each of
// its faces whose neighbour is not Wall. The block runs from R below to R - 1 above the
// PlayerUnit's own coordinate on each axis.
template <class Visitor>
void walkWallBlock(const world::DungeonGrid& grid, const units::UnitRecord& player, int radius, Visitor& visitor) {
  const int ux = player.cellX;
  const int uy = player.cellY;
  const int uz = player.level;
  for (int z = uz - radius; z < uz + radius; ++z) {
    for (int y = uy - radius; y < uy + radius; ++y) {
      for (int x = ux - radius; x < ux + radius; ++x) {
        if (!isDrawnCell(x, y, z) || grid.cellAt(x, y, z) != cell::Wall) continue;
        const CellShift shift{x - ux, uy - y, z - uz};
        visitor.wallCell(shift);
        for (const WallCubeFace& face : WallCubeFaces) {
          if (grid.cellAt(x + face.nx, y + face.ny, z + face.nz) != cell::Wall) visitor.face(face, shift);
        }
      }
    }
  }
}

}  // namespace gloam::fpview
