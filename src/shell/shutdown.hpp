// Shutdown: every table start-up created is released once, in a fixed order, and its owner
// left empty. The window is left to the end of the process.
#pragma once
#include "shell/game.hpp"

namespace gloam::shell {

void shutdownGame(Game& game);

}  // namespace gloam::shell
