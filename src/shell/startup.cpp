// The start-up order matters: the window's GL set-up uploads textures from the SpriteBank, so
// the art is loaded first; the seed is set after the overworld is read and before generation,
// and the player is placed with the generator's next draws.
#include "shell/startup.hpp"

#include <algorithm>

#include "shell/game_window.hpp"

namespace gloam::shell {

void initGameData(Game& game) {
  setScreenMode(game.screen, game.screen.mode.width, game.screen.mode.height);
  world::allocateGrid(game.grid);
  units::allocateUnitTable(game.units);
  units::UnitRecord& player = game.units[game.loop.playerUnitIndex];
  player.offsetX = player.offsetY = player.offsetZ = 0.5f;
  // The start-up data step: columns 0..3 of row 0 of level 0.
  game.grid.setCell(0, 0, 0, 0);
  game.grid.setCell(1, 0, 0, 1);
  game.grid.setCell(2, 0, 0, 0);
  game.grid.setCell(3, 0, 0, 1);
}

void setViewFromPlayer(Game& game) {
  const units::UnitRecord& player = game.units[game.loop.playerUnitIndex];
  world::ViewOrigin& v = game.view;
  const ScreenMode& m = game.screen.mode;
  v = {player.cellX, player.cellY, player.level};
  v.sx = std::max(v.sx, 1);
  v.sy = std::max(v.sy, 1);
  v.sz = std::max(v.sz, 0);
  v.sx = std::min(v.sx, GridSide - 1 - m.width / TileSize);
  v.sy = std::min(v.sy, GridSide - 1 - m.height / TileSize);
  v.sz = std::min(v.sz, LevelCount - 1);
}

void runStartup(Game& game) {
  setScreenMode(game.screen, 320, 240);
  game.screen.mode.pixelZoom = 2;
  initGameData(game);
  createGameWindow(game);
  game.rng.seed(game.settings.seed);
  game.loop.playerUnitIndex = units::PlayerUnitIndex;
  setViewFromPlayer(game);
}

}  // namespace gloam::shell
