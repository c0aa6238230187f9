// The start-up order matters: the window's GL set-up uploads textures from the SpriteBank, so
// the art is loaded first; the seed is set after the overworld is read and before generation,
// and the player is placed with the generator's next draws.
#include "shell/startup.hpp"

#include <cstdio>

#include "assets/sprite_catalogue_loader.hpp"
#include "console/console_state.hpp"
#include "shell/data_folder.hpp"
#include "shell/game_window.hpp"
#include "shell/overworld_location.hpp"
#include "units/cell_cost_table.hpp"
#include "units/player_placement.hpp"
#include "views/view_clamps.hpp"
#include "world/cell_codes.hpp"
#include "world/dungeon_generator.hpp"
#include "world/level_layout.hpp"
#include "world/overworld_map.hpp"

namespace gloam::shell {
namespace {

constexpr int StartupOverworldMap = 1;

// Columns 0..3 of row 0 of level 0, in storage order.
void writeStartupCells(world::DungeonGrid& grid) {
  constexpr cell::Code codes[] = {cell::Empty, cell::EnvBlock, cell::Empty, cell::EnvBlock};
  for (int x = 0; x < 4; ++x) grid.setCell(x, 0, 0, codes[x]);
}

// The data folder is listed once here; every picture and map name is then matched from memory.
void loadArt(Game& game) {
  game.dataFolder = assets::indexDataFolder(game.settings.dataDir);
  const std::string problem =
      describeArtLoad(assets::loadSpriteCatalogue(game.sprites, game.dataFolder), game.settings.dataDir);
  if (problem.empty()) return;
  std::fprintf(stderr, "gloamdelve: %s\n", problem.c_str());
  game.rules.reportMissingArt(game, problem);
}

// Reads map 1 into level 0 and returns the pause it asks for; a map that cannot be opened is
// reported in one line and leaves level 0 as it was, with no pause.
int readStartupOverworld(const Game& game, world::DungeonGrid& grid) {
  const OverworldLocation map =
      locateOverworldMap(game.dataFolder, StartupOverworldMap, userDataFolderFromEnvironment());
  std::string problem = map.problem;
  if (!map.path.empty()) {
    const int pause = world::readOverworldMapFile(grid, map.path, &problem);
    if (pause != 0) return pause;
    problem = "cannot open the overworld map " + map.path + ": " + problem;
  }
  std::fprintf(stderr, "gloamdelve: %s\n", problem.c_str());
  return 0;
}

}  // namespace

void initGameData(Game& game) {
  setScreenMode(game.screen, game.screen.mode.width, game.screen.mode.height);
  world::allocateGrid(game.grid);
  assets::allocateSpriteBank(game.sprites);
  units::allocateUnitTable(game.units);
  assets::allocateObjectTemplateTable(game.objects);
  units::allocatePathContext(game.paths);
  loadArt(game);
  units::initCellCostTable(game.paths.search.cellCostTable);
  world::allocateGeneratorTables(game.generator);
  assets::buildTrigTables(game.trig);
  console::initConsole(game.console);
  assets::buildObjectTemplates(game.objects);
  assets::makeTemplateCopies(game.objects);
  units::centrePlayerOffsets(game.units);
  writeStartupCells(game.grid);
}

void setViewFromPlayer(Game& game) {
  const units::UnitRecord& p = player(game);
  game.view = {p.cellX, p.cellY, p.level};
  views::clampStartupView(game.view, game.screen.mode);
}

void runStartup(Game& game) {
  setScreenMode(game.screen, FirstPersonMode.width, FirstPersonMode.height);
  game.screen.mode.pixelZoom = FirstPersonMode.pixelZoom;
  initGameData(game);
  createGameWindow(game);
  const int mapPause = readStartupOverworld(game, game.grid);
  if (game.rules.pauseAfterMapRead) game.platform.sleepMs(mapPause);
  game.rng.seed(game.settings.seed);
  world::releaseGeneratorTables(game.generator);
  world::allocateGeneratorTables(game.generator);
  world::generateStartupDungeon(game.grid, game.generator, game.rng);
  world::buildLevelLayout(game.grid);
  game.loop.playerUnitIndex = units::PlayerUnitIndex;
  units::placePlayerUnit(game.units, game.grid, game.rng);
  setViewFromPlayer(game);
  game.rules.afterStartup(game);
}

}  // namespace gloam::shell
