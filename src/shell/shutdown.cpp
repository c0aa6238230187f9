// The release order is a contract: pixel buffers, grid, sprites, units, object templates, path
// context, generator tables, trig tables, console. Each step tests that its table exists first,
// so quitting on the first frame releases the same tables in the same order.
#include "shell/shutdown.hpp"

#include "assets/sprite_bank.hpp"

namespace gloam::shell {
namespace {

template <typename Owner>
void release(Game& game, Owner& owner, const char* name) {
  if (!owner) return;
  owner = Owner();
  game.releaseLog.push_back(name);
}

// Runs a subsystem's own release when its table exists, and notes it.
template <typename Table, typename Release>
void releaseWith(Game& game, Table& table, bool exists, Release releaseTable, const char* name) {
  if (!exists) return;
  releaseTable(table);
  game.releaseLog.push_back(name);
}

void releasePixelBuffers(Game& game) {
  if (game.screen.framebuffer.empty() && game.screen.sceneCapture.empty()) return;
  std::vector<std::uint8_t>().swap(game.screen.framebuffer);
  std::vector<std::uint8_t>().swap(game.screen.sceneCapture);
  game.releaseLog.push_back("pixel buffers");
}

}  // namespace

void shutdownGame(Game& game) {
  releasePixelBuffers(game);
  release(game, game.grid.cells, "dungeon grid");
  releaseWith(game, game.sprites, game.sprites.allocated(), assets::releaseSpriteBank, "sprite bank");
  release(game, game.units.records, "unit table");
  releaseWith(game, game.objects, game.objects.allocated(), assets::releaseObjectTemplateTable, "object templates");
  releaseWith(game, game.paths, game.paths.allocated(), units::releasePathContext, "path context");
  releaseWith(game, game.generator, game.generator.allocated(), world::releaseGeneratorTables, "generator tables");
  release(game, game.trig.sine, "sine table");
  release(game, game.trig.cosine, "cosine table");
  releaseWith(game, game.console, game.console.CommandTokens != nullptr, console::freeConsole, "console tokens");
}

}  // namespace gloam::shell
