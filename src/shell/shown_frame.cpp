#include "shell/shown_frame.hpp"

namespace gloam::shell {
namespace {

bool sameRect(const platform::Rect& a, const platform::Rect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool sameMode(const ScreenMode& a, const ScreenMode& b) {
  return a.width == b.width && a.height == b.height && a.pixelZoom == b.pixelZoom;
}

}  // namespace

bool mustPresent(ShownFrame& shown, const Screen& screen, const platform::Rect& window) {
  shown.passesSinceDrawn += 1;
  return shown.windowBlank || shown.passesSinceDrawn >= RedrawUnchangedEvery || !sameMode(shown.mode, screen.mode) ||
         !sameRect(shown.window, window) || shown.pixels != screen.framebuffer;
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
