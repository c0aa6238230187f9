// Encodes 24-bit BMP files in the layout the game reads (54-byte header, no palette, bottom-up rows).
// Rows are padded to 4 bytes as the format requires; the pictures the game ships need no padding.
#include "assets/bitmap_writer.hpp"

#include <fstream>

namespace gloam::assets {
namespace {

constexpr auto HeaderBytes = static_cast<std::uint32_t>(BitmapHeaderSize);
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t PixelsPerMetre = 2835;  // 72 dots per inch

void putU16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = static_cast<std::uint8_t>(v);
  out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void putU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  putU16(out, at, v & 0xFFFFu);
  putU16(out, at + 2, v >> 16);
}

void writeHeader(std::vector<std::uint8_t>& out, std::uint32_t width, std::uint32_t height, std::uint32_t imageBytes) {
  out[0] = 'B';
  out[1] = 'M';
  putU32(out, 2, HeaderBytes + imageBytes);  // file size; bytes 6..9 stay reserved zero
  putU32(out, 10, HeaderBytes);              // pixel data offset
  putU32(out, 14, InfoHeaderSize);
  putU32(out, 18, width);
  putU32(out, 22, height);  // positive: rows run bottom-up
  putU16(out, 26, 1);       // planes
  putU16(out, 28, 24);      // bits per pixel; compression (30..33) stays 0
  putU32(out, 34, imageBytes);
  putU32(out, 38, PixelsPerMetre);
  putU32(out, 42, PixelsPerMetre);  // palette counts (46..53) stay 0
}

}  // namespace

std::uint32_t bitmapRowStride(std::uint32_t width) { return (width * 3 + 3) / 4 * 4; }

std::vector<std::uint8_t> encodeBitmap(std::span<const std::uint8_t> rgb, std::uint32_t width, std::uint32_t height) {
  const std::uint32_t stride = bitmapRowStride(width);
  std::vector<std::uint8_t> out(BitmapHeaderSize + std::size_t{stride} * height, 0);
  writeHeader(out, width, height, stride * height);
  for (std::uint32_t row = 0; row < height; ++row) {
    const std::size_t src = std::size_t{row} * width * 3;
    const std::size_t dst = BitmapHeaderSize + std::size_t{row} * stride;
    for (std::size_t x = 0; x < width; ++x) {
      out[dst + x * 3] = rgb[src + x * 3 + 2];
      out[dst + x * 3 + 1] = rgb[src + x * 3 + 1];
      out[dst + x * 3 + 2] = rgb[src + x * 3];
    }
  }
  return out;
}

bool writeBitmap(const std::string& path, std::span<const std::uint8_t> rgb, std::uint32_t width,
                 std::uint32_t height) {
  if (rgb.size() < std::size_t{width} * height * 3) return false;
  const std::vector<std::uint8_t> bytes = encodeBitmap(rgb, width, height);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

}  // namespace gloam::assets
