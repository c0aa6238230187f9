// SpriteBank lifetime: allocation of the 3100 empty slots, the loaded-slot count, and release.
// Filling the slots is the catalogue loader's job.
#include "assets/sprite_bank.hpp"

namespace gloam::assets {

void allocateSpriteBank(SpriteBank& bank) { bank.slots = std::make_unique<SpriteSlot[]>(SpriteSlotCount); }

int countLoadedSlots(const SpriteBank& bank) {
  if (!bank.allocated()) return 0;
  int loaded = 0;
  for (int i = 0; i < SpriteSlotCount; ++i) {
    if (!bank[i].empty()) ++loaded;
  }
  return loaded;
}

void releaseSpriteBank(SpriteBank& bank) {
  if (!bank.allocated()) return;
  // Pixel buffers go first, in slot order, so the release order does not depend on the slot
  // array's destructor.
  for (int i = 0; i < SpriteSlotCount; ++i) {
    SpriteSlot& slot = bank[i];
    if (slot.empty()) continue;
    std::vector<std::uint8_t>().swap(slot.pixels);
  }
  bank.slots.reset();
}

}  // namespace gloam::assets
