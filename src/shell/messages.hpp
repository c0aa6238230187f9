// The message queue and the window procedure. Messages are handled only by the drain at the
// end of each loop pass.
#pragma once
#include "shell/game.hpp"

namespace gloam::shell {

// Removes and handles one waiting message; returns 1 if there was one, else 0.
int pumpOneMessage(Game& game);

// A close request sets QuitRequested (the window stays); screen-saver and monitor-power
// requests are swallowed; everything else goes to the platform's default handling.
void wndProc(Game& game, const platform::Event& event);

}  // namespace gloam::shell
