// The literal presentation: one glDrawPixels of the Framebuffer at the initial raster position,
// scaled by the pixel zoom (a zoom outside 1..5 leaves the one last set), with texturing off while
// the pixels are drawn. The desktop keeps it as the oracle of its texture presentation; the
// browser presents this way, because its page paints glDrawPixels straight onto its canvas.
#pragma once
#include <GL/gl.h>

#include <cstdint>

#include "core/screen.hpp"

namespace gloam::shell {

inline void drawFramebufferPixels(const ScreenMode& m, const std::uint8_t* pixels) {
  glDisable(GL_TEXTURE_2D);
  if (m.pixelZoom >= 1 && m.pixelZoom <= 5)
    glPixelZoom(static_cast<float>(m.pixelZoom), static_cast<float>(m.pixelZoom));
  glDrawPixels(m.width, m.height, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
  glEnable(GL_TEXTURE_2D);
}

}  // namespace gloam::shell
