// The Framebuffer is shown through one texture updated in place each frame; the picture is the
// one a glDrawPixels at the pixel zoom gives (the tests keep that path as the oracle), without
// handing the driver a new image to allocate and convert every frame. A Framebuffer the window
// already shows is not drawn again (see shown_frame.hpp). Texturing is left enabled after the
// swap, as the first-person scene expects. In comfort mode the picture is scaled to fit the window
// (platform::pictureRect), with black bars around it.
#include "shell/presentation.hpp"

#include <GL/gl.h>

#include "platform/pixel_mapping.hpp"
#include "shell/draw_pixels_presentation.hpp"

namespace gloam::shell {

void clearFrame(Game& game) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  clearFramebuffer(game.screen);
}

PictureArea scaledPictureArea(const platform::Rect& window, const ScreenMode& m) {
  const platform::Rect picture = platform::pictureRect(window, m.width, m.height);
  return {picture.left - window.left, window.bottom - picture.bottom, picture.width(), picture.height(),
          !platform::isWholeZoom(picture, m.width, m.height)};
}

void presentFrame(Game& game) {
  const ScreenMode& m = game.screen.mode;
  const platform::Rect window = game.platform.windowRect();
  if (mustPresent(game.shown, game.screen, window)) {
#ifdef __EMSCRIPTEN__
    drawFramebufferPixels(m, game.screen.framebuffer.data());  // the page paints it onto its canvas
#else
    const std::uint8_t* pixels = game.screen.framebuffer.data();
    if (m.scaledToWindow)
      drawFramebufferScaled(game.presentTexture, m, pixels, scaledPictureArea(window, m));
    else
      drawFramebufferTexture(game.presentTexture, m, pixels);
#endif
    game.platform.swapBuffers();
    notePresented(game.shown, game.screen, window);
  }
  glEnable(GL_TEXTURE_2D);
}

}  // namespace gloam::shell
