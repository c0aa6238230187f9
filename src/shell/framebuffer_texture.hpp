// Showing the Framebuffer through one persistent GL texture: the pixels are copied into it in place
// and drawn as one quad at the pixel zoom, covering the same window pixels with the same colours
// as a glDrawPixels of the Framebuffer at the initial raster position would; or, in a window the
// picture is scaled to fit, into the picture's rectangle. Only GL 1.1 calls.
#pragma once
#include <cstdint>

#include "core/screen.hpp"

namespace gloam::shell {

// The texture and what it was made for. The texture belongs to one GL context: when the window
// and its context are re-created, the name no longer names a texture of this size and the next
// draw makes a new one (and, as in a new context, the zoom last set is 1 again).
struct FramebufferTexture {
  unsigned int name = 0;  // GL texture name; 0 = none yet
  int width = 0;          // allocated size: powers of two holding the Framebuffer
  int height = 0;
  int zoom = 1;  // the zoom last honoured (1..5)
};

// Smallest power of two not below n (n >= 1).
int textureSide(int n);

// Draws the Framebuffer (mode.width x mode.height RGBA pixels, bottom row first) over the lower-left
// corner of the back buffer, each pixel as a zoom x zoom block. A zoom outside 1..5 keeps the last
// one honoured. Leaves every GL state it touches as it found it.
void drawFramebufferTexture(FramebufferTexture& texture, const ScreenMode& mode, const std::uint8_t* pixels);

// Where in the back buffer a scaled picture goes, in GL window coordinates (x, y from the
// lower-left corner), and whether it is scaled smoothly (not by a whole zoom).
struct PictureArea {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool smooth = false;
};

// Draws the Framebuffer scaled into the area, with every other pixel of the back buffer black:
// pixel for pixel blocks at a whole zoom, filtered otherwise. Leaves the GL state as it found it.
void drawFramebufferScaled(FramebufferTexture& texture, const ScreenMode& mode, const std::uint8_t* pixels,
                           const PictureArea& area);

}  // namespace gloam::shell
