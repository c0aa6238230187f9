// Start-up: everything the game builds once before its first frame, in its fixed order.
#pragma once
#include "shell/game.hpp"

namespace gloam::shell {

// Allocates every table, loads the art and builds the look-up tables.
void initGameData(Game& game);

// The whole start-up sequence: screen mode, game data, window, overworld, seed, dungeon,
// layout, player and view.
void runStartup(Game& game);

// Sets the ViewOrigin from the PlayerUnit's cell and clamps it to the start-up limits.
void setViewFromPlayer(Game& game);

}  // namespace gloam::shell
