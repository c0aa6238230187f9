// Drawing the Wall cubes around the PlayerUnit with OpenGL. Three renderers give the same picture
// up to pixels on the edges between faces: the game's (only the faces the eye can see, in one
// glBegin, cube transforms applied on the CPU), the batched one with every face of the block, and
// the per-cube one (one matrix push and one glBegin per cube), kept for comparison.
#pragma once
#include "fpview/first_person_state.hpp"
#include "units/unit_table.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::fpview {

enum class WallRenderPath { Visible, AllFaces, PerCube };

// Camera transform from the view angles and the PlayerUnit's offsets, then the faces of the block's
// Wall cubes that the eye can see; leaves the model-view matrix as it found it. Uses the state's
// visibility workspace.
void drawWallBlocks(FirstPersonState& state, const world::DungeonGrid& grid, const units::UnitRecord& player);

// The same picture from every face of every Wall cube of the block, in one glBegin.
void drawAllWallBlocks(const FirstPersonState& state, const world::DungeonGrid& grid, const units::UnitRecord& player);

// The same picture, one cube at a time through the GL matrix stack.
void drawWallBlocksPerCube(const FirstPersonState& state, const world::DungeonGrid& grid,
                           const units::UnitRecord& player);

// One cube of the per-cube renderer, drawn at the current matrix, if the cell is Wall. The cell
// must not lie on the grid's outermost columns, rows or levels.
void drawWallCube(const FirstPersonState& state, const world::DungeonGrid& grid, int x, int y, int z);

// Pushes the model-view matrix and applies the camera: pitch about x, 180 - yaw about z, a half
// turn about x (levels grow away from the eye), then the eye's offset within its cell.
void pushCameraTransform(const FirstPersonState& state, const units::UnitRecord& player);

}  // namespace gloam::fpview
