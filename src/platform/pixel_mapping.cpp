#include "platform/pixel_mapping.hpp"

namespace gloam::platform {
namespace {

int clampToAxis(float v, int size) {
  if (v < 0.0f) return 0;
  if (v > static_cast<float>(size - 1)) return size - 1;
  return static_cast<int>(v);
}

}  // namespace

int pixelXFrom(Point cursor, Rect window, int width) {
  const float v =
      (cursor.x - static_cast<float>(window.left)) / static_cast<float>(window.width()) * static_cast<float>(width);
  return clampToAxis(v, width);
}

int pixelYFrom(Point cursor, Rect window, int height) {
  const float v =
      (static_cast<float>(window.bottom) - cursor.y) / static_cast<float>(window.height()) * static_cast<float>(height);
  return clampToAxis(v, height);
}

Point cursorForPixel(int x, int y, Rect window, int width, int height) {
  // The middle of the run of screen pixels that shows Framebuffer pixel (x, y): the float mapping
  // lands half a pixel inside it, far from either edge, at every zoom.
  const float zx = static_cast<float>(window.width()) / static_cast<float>(width);
  const float zy = static_cast<float>(window.height()) / static_cast<float>(height);
  return {static_cast<float>(window.left) + (static_cast<float>(x) + 0.5f) * zx,
          static_cast<float>(window.bottom) - (static_cast<float>(y) + 0.5f) * zy};
}

}  // namespace gloam::platform
