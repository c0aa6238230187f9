// Writes pictures as the plain 24-bit BMP files the game reads: a 54-byte header, pixel data at
// byte 54, bottom row first, each pixel blue, green, red. Reading them back is bitmap_reader's job.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "assets/bitmap_reader.hpp"  // BitmapHeaderSize

namespace gloam::assets {

// Bytes of one stored row: width x 3 rounded up to a multiple of 4, as the format requires.
// The game's reader assumes no padding, so pictures meant for it keep widths that are multiples of 4.
std::uint32_t bitmapRowStride(std::uint32_t width);

// The whole file. `rgb` holds width x height pixels as red, green, blue, bottom row first and packed
// without gaps (the SpriteSlot layout); it must hold at least width x height x 3 bytes.
std::vector<std::uint8_t> encodeBitmap(std::span<const std::uint8_t> rgb, std::uint32_t width, std::uint32_t height);

// encodeBitmap written to `path`; false if the file cannot be written or `rgb` is too short.
bool writeBitmap(const std::string& path, std::span<const std::uint8_t> rgb, std::uint32_t width, std::uint32_t height);

}  // namespace gloam::assets
