// The main loop: one pass composes, presents and reacts to the keys; passes run until
// QuitRequested is set.
#pragma once
#include "shell/game.hpp"

namespace gloam::shell {

void runOnePass(Game& game);
void runMainLoop(Game& game);

}  // namespace gloam::shell
