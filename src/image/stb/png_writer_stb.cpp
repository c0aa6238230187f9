// writePng for systems without libpng (the Windows build): stb's PNG encoder, from its packaged
// single header, compresses into memory and the bytes are written in one go. The encoder takes
// rows top first, so bottom-up pictures are handed over from their last row with a negative stride.
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "image/png_writer.hpp"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#endif
#include <stb_image_write.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace gloam::image {

std::vector<std::uint8_t> encodePng(std::span<const std::uint8_t> rgb, int width, int height, RowOrder order) {
  if (width <= 0 || height <= 0 || rgb.size() < static_cast<std::size_t>(width) * height * 3) return {};
  const int rowBytes = width * 3;
  const std::uint8_t* first =
      order == RowOrder::TopFirst ? rgb.data() : rgb.data() + static_cast<std::ptrdiff_t>(height - 1) * rowBytes;
  const int stride = order == RowOrder::TopFirst ? rowBytes : -rowBytes;
  int length = 0;
  unsigned char* png = stbi_write_png_to_mem(first, stride, width, height, 3, &length);
  if (!png) return {};
  std::vector<std::uint8_t> file(png, png + length);
  STBIW_FREE(png);
  return file;
}

bool writePng(const std::string& path, std::span<const std::uint8_t> rgb, int width, int height, RowOrder order) {
  const std::vector<std::uint8_t> file = encodePng(rgb, width, height, order);
  if (file.empty()) return false;
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
  return std::fclose(out) == 0 && written;
}

}  // namespace gloam::image
