// Fuzzes the BMP reader's in-memory entry point with arbitrary bytes, into a slot that already
// holds a picture, and checks the slot is left in one of the states the reader promises.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "assets/bitmap_reader.hpp"

namespace {

gloam::assets::SpriteSlot preloadedSlot() {
  gloam::assets::SpriteSlot slot;
  slot.pixels.assign(12, 0x5A);
  slot.width = 4;
  slot.height = 1;
  slot.bytesPerPixel = 3;
  return slot;
}

void require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  gloam::assets::SpriteSlot slot = preloadedSlot();
  const bool loaded = gloam::assets::decodeBitmap(data, size, slot);
  if (loaded) {
    require(slot.bytesPerPixel == 3);
    require(slot.pixels.size() == std::size_t{slot.width} * slot.height * 3);
    require(slot.pixels.size() <= gloam::assets::BitmapMaxPixelBytes);
  } else {
    const bool untouched = slot.width == 4 && slot.height == 1 && slot.pixels.size() == 12;
    const bool emptied = slot.width == 0 && slot.height == 0 && slot.pixels.empty();
    require(untouched || emptied);
  }
  return 0;
}
