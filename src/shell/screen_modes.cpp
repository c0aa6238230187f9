// The mode switch sets the size before the window is re-created, so the new window and its GL
// viewport open at the new mode's size.
#include "shell/screen_modes.hpp"

#include "shell/game_window.hpp"

namespace gloam::shell {

void recreateWindow(Game& game, int zoom) {
  destroyGameWindow(game);
  game.screen.mode.pixelZoom = zoom;
  createGameWindow(game);
}

void switchScreenMode(Game& game, const ScreenMode& mode) {
  setScreenMode(game.screen, mode.width, mode.height);
  recreateWindow(game, mode.pixelZoom);
}

void moveWindowToMouse(Game& game) {
  platform::Platform& p = game.platform;
  const platform::Point cursor = p.cursorPos();
  const ScreenMode& m = game.screen.mode;
  const int left = static_cast<int>(cursor.x), top = static_cast<int>(cursor.y);
  p.moveWindow({left, top, left + m.width * m.pixelZoom, top + m.height * m.pixelZoom});
  p.showCursor(false);
}

}  // namespace gloam::shell
