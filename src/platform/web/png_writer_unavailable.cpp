// The browser build has no libpng: the page encodes its screenshots with the canvas, so a PNG
// asked of the game itself is simply not written.
#include "image/png_writer.hpp"

namespace gloam::image {

std::vector<std::uint8_t> encodePng(std::span<const std::uint8_t>, int, int, RowOrder) { return {}; }

bool writePng(const std::string&, std::span<const std::uint8_t>, int, int, RowOrder) { return false; }

}  // namespace gloam::image
