// The BMP reader, from files on disk and from memory: what a good file yields, and what each kind
// of bad file does to the slot (left untouched, or emptied when the pixel data run short).
#include "assets/bitmap_reader.hpp"

#include <gtest/gtest.h>

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
  EXPECT_EQ(actual.width, expected.width);
  EXPECT_EQ(actual.height, expected.height);
  EXPECT_EQ(actual.bytesPerPixel, expected.bytesPerPixel);
  EXPECT_EQ(actual.pixels, expected.pixels);
}

void expectEmptiedSlot(const SpriteSlot& slot) {
  EXPECT_TRUE(slot.pixels.empty());
  EXPECT_EQ(slot.width, 0u);
  EXPECT_EQ(slot.height, 0u);
  EXPECT_EQ(slot.bytesPerPixel, 3u);
}

SpriteSlot slotHoldingPicture() {
  SpriteSlot slot;
  EXPECT_TRUE(decodeBitmap(makeBmp(4, 2, patternBytes(24, 7)).data(), 78, slot));
  return slot;
}

// Blue, green, red as stored become red, green, blue.
Bytes swappedToRgb(Bytes bgr) {
  for (std::size_t i = 0; i + 2 < bgr.size(); i += 3) std::swap(bgr[i], bgr[i + 2]);
  return bgr;
}

// Good files, each read from disk and from memory: pixels from byte 54 on whatever the offset fields
// say, in stored row order; a width not a multiple of four takes the row padding as pixels; bytes
// after the pixel data are ignored.
TEST(BitmapReader, GoodFilesGiveTheirPixelsAsRedGreenBlue) {
  const Bytes tile = patternBytes(768, 1), small = patternBytes(12, 6), shortRow = patternBytes(12, 10);
  Bytes lyingOffsets = makeBmp(2, 2, small);
  testing::putLittleEndian32(lyingOffsets, 10, 54 + 1024);  // claims a 256-colour palette
  testing::putLittleEndian32(lyingOffsets, 14, 124);        // and a larger info header
  Bytes trailing = makeBmp(4, 1, shortRow);
  trailing.resize(trailing.size() + 100, 0xEE);
  // A 3 x 2 picture as editors store it: 9 pixel bytes and 3 padding bytes per row.
  const Bytes padded = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0xA, 0xB, 0xC, 21, 22, 23, 24, 25, 26, 27, 28, 29, 0xD, 0xE, 0xF};
  struct Good {
    const char* name;
    Bytes file;
    std::uint32_t width, height;
    Bytes pixels;
  };
  const Good goods[] = {
      {"16 x 16 tile", makeBmp(16, 16, tile), 16, 16, swappedToRgb(tile)},
      {"offset fields that lie", lyingOffsets, 2, 2, swappedToRgb(small)},
      {"bytes after the pixel data", trailing, 4, 1, swappedToRgb(shortRow)},
      {"width 3", makeBmp(3, 2, padded), 3, 2, {3, 2, 1, 6, 5, 4, 9, 8, 7, 0xC, 0xB, 0xA, 23, 22, 21, 26, 25, 24}},
  };
  ScratchDir dir("bmp-reader");
  for (const Good& g : goods) {
    SCOPED_TRACE(g.name);
    SpriteSlot fromFile, fromMemory;
    ASSERT_TRUE(loadBitmap(fromFile, dir.write("good.bmp", g.file)));
    ASSERT_TRUE(decodeBitmap(g.file.data(), g.file.size(), fromMemory));
    EXPECT_EQ(fromFile.width, g.width);
    EXPECT_EQ(fromFile.height, g.height);
    EXPECT_EQ(fromFile.bytesPerPixel, 3u);
    EXPECT_EQ(fromFile.pixels, g.pixels);
    expectSameSlot(fromMemory, fromFile);
  }
}

struct HeaderFault {
  const char* name;
  Bytes file;
};

std::vector<HeaderFault> headerFaults() {
  const Bytes good = makeBmp(4, 4, patternBytes(48, 2));
  auto withByte = [&](std::size_t at, std::uint8_t value) {
    Bytes bytes = good;
    bytes[at] = value;
    return bytes;
  };
  return {
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
      {"192 MiB picture", makeBmp(8192, 8192, patternBytes(48, 4))},
      {"one pixel over the limit", makeBmp(LargestAcceptedPixelCount + 1, 1, {})},
  };
}

TEST(BitmapReader, HeaderFaultsFailAndLeaveTheSlotUntouched) {
  ScratchDir dir("bmp-reader");
  const SpriteSlot before = slotHoldingPicture();
  SpriteSlot untouchedEmpty;
  for (const HeaderFault& fault : headerFaults()) {
    SCOPED_TRACE(fault.name);
    SpriteSlot fromFile = before;
    EXPECT_FALSE(loadBitmap(fromFile, dir.write("fault.bmp", fault.file)));
    expectSameSlot(fromFile, before);
    SpriteSlot fromMemory = before;
    EXPECT_FALSE(decodeBitmap(fault.file.data(), fault.file.size(), fromMemory));
    expectSameSlot(fromMemory, before);
    SpriteSlot fresh;
    EXPECT_FALSE(decodeBitmap(fault.file.data(), fault.file.size(), fresh));
    expectSameSlot(fresh, untouchedEmpty);
  }
}

TEST(BitmapReader, MissingFileOrDirectoryFailsWithoutTouchingTheSlot) {
  ScratchDir dir("bmp-reader");
  const SpriteSlot before = slotHoldingPicture();
  SpriteSlot slot = before;
  EXPECT_FALSE(loadBitmap(slot, (dir.path() / "absent.bmp").string()));
  EXPECT_FALSE(loadBitmap(slot, dir.path().string()));
  expectSameSlot(slot, before);
}

TEST(BitmapReader, ShortPixelDataEmptiesAPreviouslyLoadedSlot) {
  ScratchDir dir("bmp-reader");
  const Bytes shortByOne = makeBmp(16, 16, patternBytes(767, 5));
  // At the size limit the header passes, so the missing data are what fails the load.
  const Bytes atLimitNoData = makeBmp(LargestAcceptedPixelCount, 1, {});
  for (const Bytes* file : {&shortByOne, &atLimitNoData}) {
    SpriteSlot fromFile = slotHoldingPicture();
    EXPECT_FALSE(loadBitmap(fromFile, dir.write("short.bmp", *file)));
    expectEmptiedSlot(fromFile);
    SpriteSlot fromMemory = slotHoldingPicture();
    EXPECT_FALSE(decodeBitmap(file->data(), file->size(), fromMemory));
    expectEmptiedSlot(fromMemory);
  }
}

TEST(BitmapReader, ReloadReplacesSizeAndBuffer) {
  ScratchDir dir("bmp-reader");
  SpriteSlot first;
  ASSERT_TRUE(loadBitmap(first, dir.write("small.bmp", makeBmp(4, 1, patternBytes(12, 8)))));
  ASSERT_TRUE(loadBitmap(first, dir.write("large.bmp", makeBmp(8, 4, patternBytes(96, 9)))));
  EXPECT_EQ(first.width, 8u);
  EXPECT_EQ(first.height, 4u);
  EXPECT_EQ(first.pixels.size(), 96u);
}

}  // namespace
}  // namespace gloam::assets
