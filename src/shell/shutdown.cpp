// The release order is a contract: pixel buffers, grid, sprites, units, object templates, path
// context, generator tables, trig tables, console. Each subsystem's own release tests that its
// table exists first, so quitting on the first frame releases the same tables in the same order.
#include "shell/shutdown.hpp"

namespace gloam::shell {

void shutdownGame(Game& game) {
  releaseScreenBuffers(game.screen);
  world::releaseGrid(game.grid);
  assets::releaseSpriteBank(game.sprites);
  units::releaseUnitTable(game.units);
  assets::releaseObjectTemplateTable(game.objects);
  units::releasePathContext(game.paths);
  world::releaseGeneratorTables(game.generator);
  assets::releaseTrigTables(game.trig);
  console::freeConsole(game.console);
}

}  // namespace gloam::shell
