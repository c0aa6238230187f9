// What unit figures carry: weapons in the right hand, a shield on the left arm, a staff with a
// glowing orb. Drawn over a body template before the figure is outlined.
#pragma once
#include "makeart/canvas.hpp"

namespace gloam::makeart {

void holdSword(Canvas& c, Colour blade);
void holdDagger(Canvas& c);
void holdAxe(Canvas& c);
void holdClub(Canvas& c);
void holdMace(Canvas& c);
void holdStaff(Canvas& c, Colour orb);
void holdShield(Canvas& c, Colour face, Colour emblem);

}  // namespace gloam::makeart
