// The dungeon's ground pictures (rock wall, flagstone and marble floors) as reusable painters:
// every feature tile is painted on top of a floor so that it sits in the room like the floor around it.
#pragma once
#include "makeart/canvas.hpp"

namespace gloam::makeart {

void paintWall(Canvas& c, Rng& rng);
void paintFloor(Canvas& c, Rng& rng);
void paintMarbleFloor(Canvas& c, Rng& rng);

// Brightens the floor around (cx, cy) as a flame's light would.
void paintGlow(Canvas& c, double cx, double cy, double radius, Colour tint);

}  // namespace gloam::makeart
