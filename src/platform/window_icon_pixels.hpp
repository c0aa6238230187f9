// The game's window icon as the art tool paints it at build time: WindowIconSide and WindowIconRgb,
// RGB pixels, rows from the top. For the one file of each platform that hands it to the window system.
#pragma once
#include <cstddef>

namespace gloam::platform::icon {

#include "window_icon_pixels.inc"

static_assert(sizeof(WindowIconRgb) == std::size_t{3} * WindowIconSide * WindowIconSide);

}  // namespace gloam::platform::icon
