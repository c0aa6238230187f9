// The first-person frame's drawing. The scene shows the eye where the previous pass left it; the
// pass moves the eye afterwards, so a step or a turn shows one pass later.
#include "fpview/first_person_view.hpp"

#include <GL/gl.h>

#include "fpview/scene_composite.hpp"

namespace gloam::fpview {

void drawFirstPersonScene(FirstPersonState& state, const world::DungeonGrid& grid, const units::UnitRecord& player,
                          WallRenderPath path) {
  glLoadIdentity();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  switch (path) {
    case WallRenderPath::Visible: drawWallBlocks(state, grid, player); break;
    case WallRenderPath::AllFaces: drawAllWallBlocks(state, grid, player); break;
    case WallRenderPath::PerCube: drawWallBlocksPerCube(state, grid, player); break;
  }
}

void drawFirstPersonView(FirstPersonState& state, Screen& screen, const world::DungeonGrid& grid,
                         const units::UnitRecord& player, WallRenderPath path) {
  drawFirstPersonScene(state, grid, player, path);
  compositeScene(screen);
}

}  // namespace gloam::fpview
