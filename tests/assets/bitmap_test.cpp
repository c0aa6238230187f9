// BMP files both ways: the reader from disk and from memory, and the writer against that reader.
#include <gtest/gtest.h>

#include <tuple>

#include "assets/bitmap_reader.hpp"
#include "assets/bitmap_writer.hpp"
#include "bmp_test_files.hpp"

namespace gloam::assets {
namespace {

using testing::Bytes;
using testing::makeBmp;
using testing::patternBytes;
using testing::ScratchDir;

// Width * height at which the pixel data reach the reader's size limit exactly (rounded down).
constexpr std::uint32_t LargestAcceptedPixelCount = static_cast<std::uint32_t>(BitmapMaxPixelBytes / 3);

void expectSameSlot(const SpriteSlot& actual, const SpriteSlot& expected) {
  EXPECT_EQ(std::tie(actual.width, actual.height, actual.bytesPerPixel),
            std::tie(expected.width, expected.height, expected.bytesPerPixel));
  EXPECT_EQ(actual.pixels, expected.pixels);
}

SpriteSlot slotHoldingPicture() { return {patternBytes(24, 7), 4, 2, 3}; }

// Reads `file` into `slot` from disk, and from memory into a copy of the slot as it was: the two
// ways must agree on the outcome and on what they leave in the slot.
bool readBothWays(const Bytes& file, SpriteSlot& slot) {
  static const ScratchDir dir("bmp-reader");
  SpriteSlot fromMemory = slot;
  const bool loaded = loadBitmap(slot, dir.write("file.bmp", file));
  EXPECT_EQ(decodeBitmap(file.data(), file.size(), fromMemory), loaded);
  expectSameSlot(fromMemory, slot);
  return loaded;
}

// Blue, green, red as stored become red, green, blue.
Bytes swappedToRgb(Bytes bgr) {
  for (std::size_t i = 0; i + 2 < bgr.size(); i += 3) std::swap(bgr[i], bgr[i + 2]);
  return bgr;
}

// Pixels from byte 54 whatever the offset fields say; a width not a multiple of four takes the row
// padding as pixels. One slot takes every file in turn: each reload must replace size and buffer.
TEST(BitmapReader, GoodFilesGiveTheirPixelsAsRedGreenBlue) {
  const Bytes tile = patternBytes(768, 1), small = patternBytes(12, 6), shortRow = patternBytes(12, 10);
  Bytes lyingOffsets = makeBmp(2, 2, small);
  testing::putLittleEndian32(lyingOffsets, 10, 54 + 1024);  // claims a 256-colour palette
  testing::putLittleEndian32(lyingOffsets, 14, 124);        // and a larger info header
  Bytes trailing = makeBmp(4, 1, shortRow);
  trailing.resize(trailing.size() + 100, 0xEE);
  // A 3 x 2 picture as editors store it: 9 pixel bytes and 3 padding bytes per row.
  const Bytes padded = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0xA, 0xB, 0xC, 21, 22, 23, 24, 25, 26, 27, 28, 29, 0xD, 0xE, 0xF};
  const std::tuple<const char*, Bytes, SpriteSlot> goods[] = {
      {"16 x 16 tile", makeBmp(16, 16, tile), {swappedToRgb(tile), 16, 16, 3}},
      {"offset fields that lie", lyingOffsets, {swappedToRgb(small), 2, 2, 3}},
      {"bytes after the pixel data", trailing, {swappedToRgb(shortRow), 4, 1, 3}},
      {"width 3", makeBmp(3, 2, padded), {{3, 2, 1, 6, 5, 4, 9, 8, 7, 0xC, 0xB, 0xA, 23, 22, 21, 26, 25, 24}, 3, 2, 3}},
  };
  SpriteSlot slot;
  for (const auto& [name, file, expected] : goods) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(readBothWays(file, slot));
    expectSameSlot(slot, expected);
  }
}

TEST(BitmapReader, HeaderFaultsAndMissingFilesFailAndLeaveTheSlotUntouched) {
  const Bytes good = makeBmp(4, 4, patternBytes(48, 2));
  auto withByte = [&](std::size_t at, std::uint8_t value) {
    Bytes bytes = good;
    bytes[at] = value;
    return bytes;
  };
  const std::pair<const char*, Bytes> faults[] = {
      {"empty file", {}},
      {"header one byte short", Bytes(good.begin(), good.begin() + 53)},
      {"signature B?", withByte(1, 'A')},
      {"signature ?M", withByte(0, 'X')},
      {"8-bit", makeBmp(4, 4, patternBytes(16, 3), 8)},
      {"16-bit", makeBmp(4, 4, patternBytes(32, 3), 16)},
      {"32-bit", makeBmp(4, 4, patternBytes(64, 3), 32)},
      {"bit count high byte only", withByte(28, 0)},
      {"width*height*3 wraps to 0 in 32 bits", makeBmp(0x10000, 0x10000, patternBytes(48, 4))},
      {"width and height at maximum", makeBmp(0xFFFFFFFF, 0xFFFFFFFF, patternBytes(48, 4))},
      {"top-down (negative height)", makeBmp(16, static_cast<std::uint32_t>(-16), patternBytes(768, 4))},
      {"one pixel over the limit", makeBmp(LargestAcceptedPixelCount + 1, 1, {})},
  };
  const SpriteSlot before = slotHoldingPicture();
  for (const auto& [name, file] : faults) {
    SCOPED_TRACE(name);
    SpriteSlot loaded = before, fresh;
    EXPECT_FALSE(readBothWays(file, loaded));
    EXPECT_FALSE(readBothWays(file, fresh));
    expectSameSlot(loaded, before);
    expectSameSlot(fresh, SpriteSlot{});
  }
  ScratchDir dir("bmp-reader");
  SpriteSlot slot = before;
  EXPECT_FALSE(loadBitmap(slot, (dir.path() / "absent.bmp").string()));
  EXPECT_FALSE(loadBitmap(slot, dir.path().string()));
  expectSameSlot(slot, before);
}

TEST(BitmapReader, ShortPixelDataEmptiesAPreviouslyLoadedSlot) {
  const Bytes shortByOne = makeBmp(16, 16, patternBytes(767, 5));
  // At the size limit the header passes, so the missing data are what fails the load.
  const Bytes atLimitNoData = makeBmp(LargestAcceptedPixelCount, 1, {});
  for (const Bytes* file : {&shortByOne, &atLimitNoData}) {
    SpriteSlot slot = slotHoldingPicture();
    EXPECT_FALSE(readBothWays(*file, slot));
    expectSameSlot(slot, {{}, 0, 0, 3});
  }
}

TEST(BitmapWriter, HeaderHoldsSignatureOffsetSizeAndDepthAndRowsArePadded) {
  for (auto [width, stride] : {std::pair{1u, 4u}, {3u, 12u}, {4u, 12u}, {16u, 48u}})
    EXPECT_EQ(bitmapRowStride(width), stride) << width;
  Bytes rgb(3 * 2 * 3, 0x55);
  rgb[9] = 0x77;  // first pixel of the second row (red)
  const Bytes file = encodeBitmap(rgb, 3, 2);
  ASSERT_EQ(file.size(), 54u + 2 * 12u);
  const Bytes header = {'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0,  0, 0, 40, 0, 0,
                        0,   3,   0,  0, 0, 2, 0, 0, 0, 1, 0,  24, 0, 0, 0,  0, 0};
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 34), header);
  EXPECT_EQ(file[54 + 9], 0);          // padding after the first row's 9 bytes
  EXPECT_EQ(file[54 + 12 + 2], 0x77);  // the second row starts at the next 4-byte boundary
}

// A file the game's loader reads back unchanged; 16 x 8, so a swapped width and height would show.
TEST(BitmapWriter, WritesAFileTheLoaderReadsBackAndRefusesShortPixelData) {
  ScratchDir dir("bitmap-writer");
  const std::string path = (dir.path() / "picture.bmp").string();
  const Bytes rgb = patternBytes(16 * 8 * 3, 3);
  ASSERT_TRUE(writeBitmap(path, rgb, 16, 8));
  SpriteSlot slot;
  ASSERT_TRUE(loadBitmap(slot, path));
  expectSameSlot(slot, {rgb, 16, 8, 3});

  const std::string shortPath = (dir.path() / "short.bmp").string();
  EXPECT_FALSE(writeBitmap(shortPath, Bytes(16 * 8 * 3 - 1, 0), 16, 8));
  EXPECT_FALSE(std::filesystem::exists(shortPath));
  EXPECT_FALSE(writeBitmap((dir.path() / "no-such-dir" / "x.bmp").string(), rgb, 16, 8));
}

}  // namespace
}  // namespace gloam::assets
