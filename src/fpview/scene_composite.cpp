// Readback and compositing of the first-person scene. The capture holds tightly packed RGB rows,
// bottom row first, which is the Framebuffer's row order, so pixel i maps to pixel i.
#include "fpview/scene_composite.hpp"

#include <GL/gl.h>

#include <cstddef>

#include "fpview/scene_constants.hpp"

namespace gloam::fpview {
namespace {

constexpr std::size_t ScenePixels = static_cast<std::size_t>(SceneWidth) * SceneHeight;
constexpr std::size_t CaptureBytes = ScenePixels * 3;

// A 320-pixel RGB row is 960 bytes, a multiple of every pack alignment GL allows, so the default
// alignment already reads the rows tightly packed and no pixel-store state is touched.
static_assert((SceneWidth * 3) % 8 == 0);

}  // namespace

void copySceneIntoFramebuffer(Screen& screen) {
  if (screen.mode.width != SceneWidth || screen.mode.height != SceneHeight) return;
  const std::uint8_t* src = screen.sceneCapture.data();
  std::uint8_t* dst = screen.framebuffer.data();
  for (std::size_t i = 0; i < ScenePixels; ++i, src += 3, dst += 4) {
    if (isKeyColour(src[0], src[1], src[2])) continue;
    dst[0] = src[0];
    dst[1] = src[1];
    dst[2] = src[2];
    dst[3] = 255;
  }
}

void compositeScene(Screen& screen) {
  glLoadIdentity();
  // The buffer is allocated by setScreenMode; without it there is nowhere to read into.
  if (screen.sceneCapture.size() < CaptureBytes) return;
  glReadPixels(0, 0, SceneWidth, SceneHeight, GL_RGB, GL_UNSIGNED_BYTE, screen.sceneCapture.data());
  copySceneIntoFramebuffer(screen);
}

}  // namespace gloam::fpview
