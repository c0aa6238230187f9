// Painters of the dungeon's mechanisms (spike traps, gear, lever). They live apart from the
// furniture painters but are listed in the furniture table.
#pragma once
#include "makeart/canvas.hpp"

namespace gloam::makeart {

void paintTrap(Canvas& c, Rng& rng);
void paintTrapDisabled(Canvas& c, Rng& rng);
void paintGearMechanism(Canvas& c, Rng& rng);
void paintLever(Canvas& c, Rng& rng);

}  // namespace gloam::makeart
