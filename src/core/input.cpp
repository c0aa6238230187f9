#include "core/input.hpp"

#include "platform/pixel_mapping.hpp"

namespace gloam {

int mouseX(platform::Platform& p, const ScreenMode& mode) {
  return platform::pixelXFrom(p.cursorPos(), p.windowRect(), mode.width);
}

int mouseY(platform::Platform& p, const ScreenMode& mode) {
  return platform::pixelYFrom(p.cursorPos(), p.windowRect(), mode.height);
}

}  // namespace gloam
