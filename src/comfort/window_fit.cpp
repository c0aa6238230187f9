#include "comfort/window_fit.hpp"

#include <algorithm>

namespace gloam::comfort {

int fittingZoom(int requested, int width, int height, const std::optional<platform::Rect>& area) {
  if (!area) return requested;
  const int areaWidth = area->right - area->left;
  const int areaHeight = area->bottom - area->top;
  for (int zoom = requested; zoom > 1; --zoom)
    if (width * zoom <= areaWidth && height * zoom <= areaHeight) return zoom;
  return 1;
}

namespace {

// The start of a span of `length` moved into [low, high) as little as possible, low winning.
int shiftInto(int start, int length, int low, int high) { return std::max(std::min(start, high - length), low); }

}  // namespace

platform::Rect keepInside(const platform::Rect& window, const platform::Rect& area) {
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  const int left = shiftInto(window.left, width, area.left, area.right);
  const int top = shiftInto(window.top, height, area.top, area.bottom);
  return {left, top, left + width, top + height};
}

}  // namespace gloam::comfort
