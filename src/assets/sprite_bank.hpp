// The SpriteBank: 3100 numbered picture slots. Pictures are named by slot number everywhere.
// A slot's pixels are 24-bit RGB, rows stored bottom row first, packed without gaps.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "core/constants.hpp"

namespace gloam::assets {

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

}  // namespace gloam::assets
