// writePng through libpng's simplified API; a negative row stride hands it bottom-up rows as they are.
#include "image/png_writer.hpp"

#include <png.h>

namespace gloam::image {

bool writePng(const std::string& path, std::span<const std::uint8_t> rgb, int width, int height, RowOrder order) {
  if (width <= 0 || height <= 0 || rgb.size() < static_cast<std::size_t>(width) * height * 3) return false;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  const png_int_32 stride = (order == RowOrder::TopFirst ? 1 : -1) * width * 3;
  const int ok = png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), stride, nullptr);
  png_image_free(&image);
  return ok != 0;
}

}  // namespace gloam::image
