// The BMP reader: header checks, the slot's update order and the blue/red exchange.
// Only the signature, the low byte of the bit count, width and height are read from the header;
// the pixel-data offset field is ignored on purpose (the art files have none of their own).
#include "assets/bitmap_reader.hpp"

#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

namespace gloam::assets {
namespace {

constexpr std::size_t WidthOffset = 18;
constexpr std::size_t HeightOffset = 22;
constexpr std::size_t BitCountOffset = 28;
constexpr std::uint8_t RequiredBitCount = 24;
constexpr std::uint32_t BytesPerPixel = 3;

struct BitmapHeader {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::size_t pixelBytes = 0;
};

std::uint32_t readLittleEndian32(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// `header` holds BitmapHeaderSize bytes. False for anything the reader does not accept.
bool parseHeader(const std::uint8_t* header, BitmapHeader& out) {
  if (header[0] != 'B' || header[1] != 'M') return false;
  if (header[BitCountOffset] != RequiredBitCount) return false;
  out.width = readLittleEndian32(header + WidthOffset);
  out.height = readLittleEndian32(header + HeightOffset);
  // Both factors are below 2^32, so their product fits 64 bits; the bound is checked before the * 3.
  const std::uint64_t pixelCount = std::uint64_t{out.width} * out.height;
  if (pixelCount > BitmapMaxPixelBytes / BytesPerPixel) return false;
  out.pixelBytes = static_cast<std::size_t>(pixelCount * BytesPerPixel);
  return true;
}

// Size and depth go into the slot before any pixel is read, and a reload always gets a fresh buffer.
std::uint8_t* beginPixelLoad(SpriteSlot& slot, const BitmapHeader& header) {
  slot.width = header.width;
  slot.height = header.height;
  slot.bytesPerPixel = BytesPerPixel;
  slot.pixels = std::vector<std::uint8_t>(header.pixelBytes);
  return slot.pixels.data();
}

// Short pixel data: the slot ends up empty even if it held a picture before.
bool abandonPixelLoad(SpriteSlot& slot) {
  std::vector<std::uint8_t>().swap(slot.pixels);
  slot.width = 0;
  slot.height = 0;
  return false;
}

// Files store blue, green, red; the slot holds red, green, blue. One pass, in place.
void exchangeBlueAndRed(std::vector<std::uint8_t>& pixels) {
  for (std::size_t i = 0; i + 2 < pixels.size(); i += BytesPerPixel) {
    std::swap(pixels[i], pixels[i + 2]);
  }
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool loadBitmap(SpriteSlot& slot, const std::string& path) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  std::uint8_t header[BitmapHeaderSize];
  if (std::fread(header, 1, BitmapHeaderSize, file.get()) != BitmapHeaderSize) return false;
  BitmapHeader parsed;
  if (!parseHeader(header, parsed)) return false;
  std::uint8_t* target = beginPixelLoad(slot, parsed);
  // One read for the whole pixel array, straight on from byte 54.
  if (std::fread(target, 1, parsed.pixelBytes, file.get()) != parsed.pixelBytes) {
    return abandonPixelLoad(slot);
  }
  exchangeBlueAndRed(slot.pixels);
  return true;
}

bool decodeBitmap(const std::uint8_t* bytes, std::size_t size, SpriteSlot& slot) {
  if (size < BitmapHeaderSize) return false;
  BitmapHeader parsed;
  if (!parseHeader(bytes, parsed)) return false;
  if (size - BitmapHeaderSize < parsed.pixelBytes) {
    // Same outcome as a short file read, without allocating a buffer that is thrown away at once.
    beginPixelLoad(slot, BitmapHeader{parsed.width, parsed.height, 0});
    return abandonPixelLoad(slot);
  }
  std::uint8_t* target = beginPixelLoad(slot, parsed);
  if (parsed.pixelBytes != 0) std::memcpy(target, bytes + BitmapHeaderSize, parsed.pixelBytes);
  exchangeBlueAndRed(slot.pixels);
  return true;
}

}  // namespace gloam::assets
