// The release order is a contract: pixel buffers, grid, sprites, units, object templates, path
// context, generator tables, trig tables, console. Each step tests that its table exists first,
// so quitting on the first frame releases the same tables in the same order.
#include "shell/shutdown.hpp"

#include <utility>

namespace gloam::shell {
namespace {

template <typename Owner>
void release(Game& game, Owner& owner, const char* name) {
  if (!owner) return;
  owner = Owner();
  game.releaseLog.push_back(name);
}

void releasePixelBuffers(Game& game) {
  if (game.screen.framebuffer.empty() && game.screen.sceneCapture.empty()) return;
  std::vector<std::uint8_t>().swap(game.screen.framebuffer);
  std::vector<std::uint8_t>().swap(game.screen.sceneCapture);
  game.releaseLog.push_back("pixel buffers");
}

void releaseSpriteBank(Game& game) {
  if (!game.sprites.allocated()) return;
  for (int slot = 0; slot < SpriteSlotCount; ++slot)
    if (!game.sprites[slot].empty()) std::vector<std::uint8_t>().swap(game.sprites[slot].pixels);
  release(game, game.sprites.slots, "sprite bank");
}

}  // namespace

void shutdownGame(Game& game) {
  releasePixelBuffers(game);
  release(game, game.grid.cells, "dungeon grid");
  releaseSpriteBank(game);
  release(game, game.units.records, "unit table");
  // object templates, path context, generator tables join here
  release(game, game.trig.sine, "sine table");
  release(game, game.trig.cosine, "cosine table");
  // console tokens join here
}

}  // namespace gloam::shell
