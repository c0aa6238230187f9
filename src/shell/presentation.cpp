// The Framebuffer is shown through one texture updated in place each frame; the picture is the
// one a glDrawPixels at the pixel zoom gives (the tests keep that path as the oracle), without
// handing the driver a new image to allocate and convert every frame. A Framebuffer the window
// already shows is not drawn again (see shown_frame.hpp). Texturing is left enabled after the
// swap, as the first-person scene expects.
#include "shell/presentation.hpp"

#include <GL/gl.h>

#include "shell/draw_pixels_presentation.hpp"

namespace gloam::shell {

void clearFrame(Game& game) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  clearFramebuffer(game.screen);
}

void presentFrame(Game& game) {
  const ScreenMode& m = game.screen.mode;
  const platform::Rect window = game.platform.windowRect();
  if (mustPresent(game.shown, game.screen, window)) {
#ifdef __EMSCRIPTEN__
    drawFramebufferPixels(m, game.screen.framebuffer.data());  // the page paints it onto its canvas
#else
    drawFramebufferTexture(game.presentTexture, m, game.screen.framebuffer.data());
#endif
    game.platform.swapBuffers();
    notePresented(game.shown, game.screen, window);
  }
  glEnable(GL_TEXTURE_2D);
}

}  // namespace gloam::shell
