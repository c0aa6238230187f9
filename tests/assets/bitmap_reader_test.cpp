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

TEST(BitmapReader, ReadsSixteenBySixteenAndSwapsBlueAndRed) {
  ScratchDir dir("bmp-reader");
  const Bytes data = patternBytes(768, 1);  // stored blue, green, red
  SpriteSlot slot;
  ASSERT_TRUE(loadBitmap(slot, dir.write("tile.bmp", makeBmp(16, 16, data))));
  EXPECT_EQ(slot.width, 16u);
  EXPECT_EQ(slot.height, 16u);
  EXPECT_EQ(slot.bytesPerPixel, 3u);
  ASSERT_EQ(slot.pixels.size(), 768u);
  for (std::size_t i = 0; i < 768; i += 3) {
    ASSERT_EQ(slot.pixels[i], data[i + 2]) << "pixel byte " << i;
    ASSERT_EQ(slot.pixels[i + 1], data[i + 1]);
    ASSERT_EQ(slot.pixels[i + 2], data[i]);
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

TEST(BitmapReader, WidthNotMultipleOfFourTakesRowPaddingAsPixels) {
  ScratchDir dir("bmp-reader");
  // A 3 x 2 picture as editors store it: 9 pixel bytes and 3 padding bytes per row.
  const Bytes stored = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0xA, 0xB, 0xC,
                        21, 22, 23, 24, 25, 26, 27, 28, 29, 0xD, 0xE, 0xF};
  SpriteSlot slot;
  ASSERT_TRUE(loadBitmap(slot, dir.write("odd.bmp", makeBmp(3, 2, stored))));
  const Bytes sheared = {3, 2, 1, 6, 5, 4, 9, 8, 7, 0xC, 0xB, 0xA, 23, 22, 21, 26, 25, 24};
  EXPECT_EQ(slot.pixels, sheared);
}

TEST(BitmapReader, PixelsStartAtByte54WhateverTheOffsetFieldSays) {
  const Bytes data = patternBytes(12, 6);
  Bytes file = makeBmp(2, 2, data);
  testing::putLittleEndian32(file, 10, 54 + 1024);  // claims a 256-colour palette
  testing::putLittleEndian32(file, 14, 124);        // and a larger info header
  SpriteSlot slot;
  ASSERT_TRUE(decodeBitmap(file.data(), file.size(), slot));
  EXPECT_EQ(slot.pixels, (Bytes{data[2], data[1], data[0], data[5], data[4], data[3],
                                data[8], data[7], data[6], data[11], data[10], data[9]}));
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

TEST(BitmapReader, ExtraBytesAfterThePixelDataAreIgnored) {
  ScratchDir dir("bmp-reader");
  Bytes file = makeBmp(4, 1, patternBytes(12, 10));
  file.resize(file.size() + 100, 0xEE);
  SpriteSlot fromFile;
  SpriteSlot fromMemory;
  ASSERT_TRUE(loadBitmap(fromFile, dir.write("long.bmp", file)));
  ASSERT_TRUE(decodeBitmap(file.data(), file.size(), fromMemory));
  EXPECT_EQ(fromFile.pixels.size(), 12u);
  expectSameSlot(fromMemory, fromFile);
}

}  // namespace
}  // namespace gloam::assets
