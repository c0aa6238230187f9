// Windows that fit the screen: the zoom keys never make the window larger than the part of the
// display a window may use, and a moved or re-created window stays wholly on it.
#pragma once
#include <optional>

#include "platform/platform.hpp"

namespace gloam::comfort {

// The largest zoom from 1 up to `requested` whose window (width x zoom by height x zoom) fits the
// area; 1 when even that does not fit. Without an area (no display) the requested zoom.
int fittingZoom(int requested, int width, int height, const std::optional<platform::Rect>& area);

// The window shifted as little as possible to lie inside the area; a window larger than the area
// keeps its top-left corner on the area's top-left corner.
platform::Rect keepInside(const platform::Rect& window, const platform::Rect& area);

}  // namespace gloam::comfort
