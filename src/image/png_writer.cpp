// writePng through libpng's simplified API; a negative row stride hands it bottom-up rows as they are.
#include "image/png_writer.hpp"

#include <png.h>

#include <algorithm>

namespace gloam::image {
namespace {

png_image rgbImage(int width, int height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  return image;
}

bool fits(std::span<const std::uint8_t> rgb, int width, int height) {
  return width > 0 && height > 0 && rgb.size() >= static_cast<std::size_t>(width) * height * 3;
}

png_int_32 rowStride(int width, RowOrder order) { return (order == RowOrder::TopFirst ? 1 : -1) * width * 3; }

}  // namespace

// libpng sizes the file in a first call without memory, then writes it in a second.
std::vector<std::uint8_t> encodePng(std::span<const std::uint8_t> rgb, int width, int height, RowOrder order) {
  if (!fits(rgb, width, height)) return {};
  png_image image = rgbImage(width, height);
  png_alloc_size_t size = 0;
  std::vector<std::uint8_t> file;
  if (png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), rowStride(width, order), nullptr)) {
    file.resize(size);
    if (!png_image_write_to_memory(&image, file.data(), &size, 0, rgb.data(), rowStride(width, order), nullptr))
      file.clear();
  }
  png_image_free(&image);
  file.resize(std::min<std::size_t>(file.size(), size));
  return file;
}

bool writePng(const std::string& path, std::span<const std::uint8_t> rgb, int width, int height, RowOrder order) {
  if (!fits(rgb, width, height)) return false;
  png_image image = rgbImage(width, height);
  const int ok = png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), rowStride(width, order), nullptr);
  png_image_free(&image);
  return ok != 0;
}

}  // namespace gloam::image
