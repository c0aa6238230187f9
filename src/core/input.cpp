// Mouse mapping from screen pixels to Framebuffer pixels, in 32-bit floating point as the
// original arithmetic does, so the edge cases (exact corners, points outside) come out the same.
#include "core/input.hpp"

namespace gloam {
namespace {

int clampToAxis(float v, int size) {
  if (v < 0.0f) return 0;
  if (v > static_cast<float>(size - 1)) return size - 1;
  return static_cast<int>(v);
}

}  // namespace

int mouseXFrom(platform::Point cursor, platform::Rect window, const ScreenMode& mode) {
  const float v = (cursor.x - static_cast<float>(window.left)) /
                  static_cast<float>(window.right - window.left) * static_cast<float>(mode.width);
  return clampToAxis(v, mode.width);
}

int mouseYFrom(platform::Point cursor, platform::Rect window, const ScreenMode& mode) {
  const float v = (static_cast<float>(window.bottom) - cursor.y) /
                  static_cast<float>(window.bottom - window.top) * static_cast<float>(mode.height);
  return clampToAxis(v, mode.height);
}

int mouseX(platform::Platform& p, const ScreenMode& mode) {
  return mouseXFrom(p.cursorPos(), p.windowRect(), mode);
}

int mouseY(platform::Platform& p, const ScreenMode& mode) {
  return mouseYFrom(p.cursorPos(), p.windowRect(), mode);
}

platform::Point cursorForPixel(int x, int y, platform::Rect window, const ScreenMode& mode) {
  // The middle of the run of screen pixels that shows Framebuffer pixel (x, y): the float mapping
  // lands half a pixel inside it, far from either edge, at every zoom.
  const float zx = static_cast<float>(window.right - window.left) / static_cast<float>(mode.width);
  const float zy = static_cast<float>(window.bottom - window.top) / static_cast<float>(mode.height);
  return {static_cast<float>(window.left) + (static_cast<float>(x) + 0.5f) * zx,
          static_cast<float>(window.bottom) - (static_cast<float>(y) + 0.5f) * zy};
}

}  // namespace gloam
