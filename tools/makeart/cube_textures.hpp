// The dungeon wall texture of the first-person view, shared with the intro screen's gate wall.
// The other textures stay private to cube_textures.cpp.
#pragma once
#include "makeart/canvas.hpp"

namespace gloam::makeart {

// Old stone bricks, 16 x 8 pixels each, tiling seamlessly on a canvas 64 pixels wide.
void paintDungeonBricks(Canvas& c, Rng& rng);

}  // namespace gloam::makeart
