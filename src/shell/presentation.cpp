// Presentation relies on the context's initial raster position, the window's lower-left corner:
// nothing in the program ever moves it. Texturing is off while the pixels are drawn, or
// glDrawPixels would be textured.
#include "shell/presentation.hpp"

#include <GL/gl.h>

namespace gloam::shell {

void clearFrame(Game& game) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  clearFramebuffer(game.screen);
}

void presentFrame(Game& game) {
  const ScreenMode& m = game.screen.mode;
  glDisable(GL_TEXTURE_2D);
  if (m.pixelZoom >= 1 && m.pixelZoom <= 5)
    glPixelZoom(static_cast<float>(m.pixelZoom), static_cast<float>(m.pixelZoom));
  glDrawPixels(m.width, m.height, GL_RGBA, GL_UNSIGNED_BYTE, game.screen.framebuffer.data());
  game.platform.swapBuffers();
  glEnable(GL_TEXTURE_2D);
  if (game.settings.keepLastPresented) {
    game.lastPresented = game.screen.framebuffer;
    game.lastPresentedMode = m;
  }
}

}  // namespace gloam::shell
