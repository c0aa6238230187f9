// The grass the overworld sites stand on, shared with the terrain tiles so that a village's
// surroundings match the plain next to it.
#pragma once
#include "makeart/canvas.hpp"

namespace gloam::makeart {

void paintGrass(Canvas& c, Rng& rng);

}  // namespace gloam::makeart
