// Reads an uncompressed 24-bit BMP (54-byte header, no palette, unpadded rows) into one SpriteSlot.
// Pixels are stored red, green, blue, bottom row first, exactly as the drawing code expects.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "assets/sprite_bank.hpp"

namespace gloam::assets {

inline constexpr std::size_t BitmapHeaderSize = 54;  // pixel data always starts here
// Larger headers are refused: no picture of the game comes near this, and a hostile header
// must not be able to ask for gigabytes.
inline constexpr std::uint64_t BitmapMaxPixelBytes = 64ull * 1024 * 1024;

// Reads the file at `path` into `slot`. True when the picture now stands in the slot.
// A missing file, a short or foreign header, or an oversized picture leaves the slot untouched;
// short pixel data leaves it empty (no pixels, width and height 0).
bool loadBitmap(SpriteSlot& slot, const std::string& path);

// The same as loadBitmap, but from a whole file already in memory.
bool decodeBitmap(const std::uint8_t* bytes, std::size_t size, SpriteSlot& slot);

}  // namespace gloam::assets
