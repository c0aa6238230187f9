// The BMP writer against the game's own reader: what is written reads back pixel for pixel (so
// channels and rows are in the reader's order), the header says what the format requires, and
// widths that need row padding get it.
#include <gtest/gtest.h>

#include "assets/bitmap_reader.hpp"
#include "assets/bitmap_writer.hpp"
#include "bmp_test_files.hpp"

namespace gloam::assets {
namespace {

using testing::Bytes;

std::uint32_t u32At(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

TEST(BitmapWriter, HeaderHoldsSignatureOffsetSizeAndDepth) {
  const Bytes file = encodeBitmap(Bytes(4 * 2 * 3, 0), 4, 2);
  ASSERT_EQ(file.size(), 54u + 24u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(u32At(file, 2), file.size());
  EXPECT_EQ(u32At(file, 10), 54u);
  EXPECT_EQ(u32At(file, 14), 40u);
  EXPECT_EQ(u32At(file, 18), 4u);
  EXPECT_EQ(u32At(file, 22), 2u);
  EXPECT_EQ(file[28], 24);
  EXPECT_EQ(u32At(file, 30), 0u);  // no compression
}

TEST(BitmapWriter, PadsRowsToFourBytesOnlyWhenTheWidthNeedsIt) {
  EXPECT_EQ(bitmapRowStride(4), 12u);
  EXPECT_EQ(bitmapRowStride(16), 48u);
  EXPECT_EQ(bitmapRowStride(1), 4u);
  EXPECT_EQ(bitmapRowStride(3), 12u);
  Bytes rgb(3 * 2 * 3, 0x55);
  rgb[9] = 0x77;  // first pixel of the second row (red)
  const Bytes file = encodeBitmap(rgb, 3, 2);
  ASSERT_EQ(file.size(), 54u + 2 * 12u);
  EXPECT_EQ(file[54 + 9], 0);          // padding after the first row's 9 bytes
  EXPECT_EQ(file[54 + 12 + 2], 0x77);  // the second row starts at the next 4-byte boundary
}

// A file the game's loader reads back unchanged; 16 x 8, so a swapped width and height would show.
TEST(BitmapWriter, WritesAFileTheLoaderReadsBackAndRefusesShortPixelData) {
  testing::ScratchDir dir("bitmap-writer");
  const std::string path = (dir.path() / "picture.bmp").string();
  const Bytes rgb = testing::patternBytes(16 * 8 * 3, 3);
  ASSERT_TRUE(writeBitmap(path, rgb, 16, 8));
  SpriteSlot slot;
  ASSERT_TRUE(loadBitmap(slot, path));
  EXPECT_EQ(slot.width, 16u);
  EXPECT_EQ(slot.height, 8u);
  EXPECT_EQ(slot.bytesPerPixel, 3u);
  EXPECT_EQ(slot.pixels, rgb);

  const std::string shortPath = (dir.path() / "short.bmp").string();
  EXPECT_FALSE(writeBitmap(shortPath, Bytes(16 * 8 * 3 - 1, 0), 16, 8));
  EXPECT_FALSE(std::filesystem::exists(shortPath));
  EXPECT_FALSE(writeBitmap((dir.path() / "no-such-dir" / "x.bmp").string(), rgb, 16, 8));
}

}  // namespace
}  // namespace gloam::assets
