// The SpriteBank: 3100 numbered picture slots. Pictures are named by slot number everywhere.
// A slot's pixels are 24-bit RGB, rows stored bottom row first, packed without gaps.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "core/constants.hpp"
#include "core/rgb.hpp"

namespace gloam::assets {

// Keyed pictures are painted on this magenta; a keyed blit leaves out its pixels (and black ones).
inline constexpr Rgb SpriteKeyColour{255, 0, 246};

struct SpriteSlot {
  std::vector<std::uint8_t> pixels;  // empty while the slot holds no picture
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint32_t bytesPerPixel = 0;
  bool empty() const { return pixels.empty(); }
};

struct SpriteBank {
  std::unique_ptr<SpriteSlot[]> slots;  // SpriteSlotCount slots once allocated
  SpriteSlot& operator[](int i) { return slots[i]; }
  const SpriteSlot& operator[](int i) const { return slots[i]; }
  bool allocated() const { return slots != nullptr; }
};

// Creates SpriteSlotCount empty slots (any earlier bank is dropped).
void allocateSpriteBank(SpriteBank& bank);

// Slots that hold pixels; 0 for a bank that is not allocated.
int countLoadedSlots(const SpriteBank& bank);

// Releases the pixels of every slot that has them, slot 0 first, then the bank itself.
// Does nothing for a bank that is not allocated.
void releaseSpriteBank(SpriteBank& bank);

}  // namespace gloam::assets
