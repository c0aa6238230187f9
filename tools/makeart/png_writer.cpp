// PNG output through libpng's simplified API; rows go out top first, as the Canvas stores them.
// Only previews use it: the game's own art is BMP.
#include "makeart/png_writer.hpp"

#include <png.h>

#include <cstdio>
#include <vector>

namespace gloam::makeart {

bool writePng(const std::string& path, const Canvas& canvas) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(canvas.width);
  image.height = static_cast<png_uint_32>(canvas.height);
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb;
  rgb.reserve(canvas.pixels.size() * 3);
  for (Colour p : canvas.pixels) rgb.insert(rgb.end(), {p.r, p.g, p.b});
  const int ok = png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr);
  png_image_free(&image);
  return ok != 0;
}

}  // namespace gloam::makeart
