#include "core/input.hpp"

#include "platform/pixel_mapping.hpp"

namespace gloam {

namespace {

platform::Rect mouseArea(platform::Platform& p, const ScreenMode& mode) {
  return platform::mouseArea(p.windowRect(), mode.width, mode.height, mode.scaledToWindow);
}

}  // namespace

int mouseX(platform::Platform& p, const ScreenMode& mode) {
  return platform::pixelXFrom(p.cursorPos(), mouseArea(p, mode), mode.width);
}

int mouseY(platform::Platform& p, const ScreenMode& mode) {
  return platform::pixelYFrom(p.cursorPos(), mouseArea(p, mode), mode.height);
}

}  // namespace gloam
