#include "shell/shown_frame.hpp"

namespace gloam::shell {

bool mustPresent(ShownFrame& shown, const Screen& screen, const platform::Rect& window) {
  shown.passesSinceDrawn += 1;
  return shown.windowBlank || shown.passesSinceDrawn >= RedrawUnchangedEvery || shown.mode != screen.mode ||
         shown.window != window || shown.pixels != screen.framebuffer;
}

void notePresented(ShownFrame& shown, const Screen& screen, const platform::Rect& window) {
  shown.pixels = screen.framebuffer;
  shown.mode = screen.mode;
  shown.window = window;
  shown.windowBlank = false;
  shown.passesSinceDrawn = 0;
  shown.drawn += 1;
}

}  // namespace gloam::shell
