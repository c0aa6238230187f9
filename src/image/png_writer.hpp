// PNG output for the pictures people look at: the game's screenshots and the art tool's previews.
// The game itself never reads PNG. The only file here that needs libpng.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace gloam::image {

enum class RowOrder { TopFirst, BottomFirst };

// Writes width x height pixels of three bytes each (red, green, blue; rows packed without gaps)
// as an 8-bit RGB PNG. False when `rgb` is too short or the file cannot be written.
// The same PNG as the bytes of a file; empty when `rgb` is too short or this build has no encoder.
std::vector<std::uint8_t> encodePng(std::span<const std::uint8_t> rgb, int width, int height, RowOrder order);

bool writePng(const std::string& path, std::span<const std::uint8_t> rgb, int width, int height, RowOrder order);

}  // namespace gloam::image
