// Allocation, clearing and release of the Framebuffer and the SceneCaptureBuffer.
#include "core/screen.hpp"

#include <algorithm>

namespace gloam {

void setScreenMode(Screen& screen, int width, int height) {
  screen.mode.width = width;
  screen.mode.height = height;
  const std::size_t bytes = static_cast<std::size_t>(width) * height * 4;
  // Fresh vectors rather than resize: the old blocks are released first, as a mode change does.
  screen.framebuffer = std::vector<std::uint8_t>();
  screen.sceneCapture = std::vector<std::uint8_t>();
  screen.framebuffer.assign(bytes, 0);
  screen.sceneCapture.assign(bytes, 0);
}

void releaseScreenBuffers(Screen& screen) {
  std::vector<std::uint8_t>().swap(screen.framebuffer);
  std::vector<std::uint8_t>().swap(screen.sceneCapture);
}

void clearFramebuffer(Screen& screen) {
  std::fill(screen.framebuffer.begin(), screen.framebuffer.end(), std::uint8_t{0});
}

}  // namespace gloam
