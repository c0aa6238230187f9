// Changing what the window shows and where: the screen-mode switch, the window re-created at a
// new zoom, and the window moved to the mouse. Both modes' key steps use these; comfort mode
// adds its fitting to the display around them.
#pragma once
#include "shell/game.hpp"

namespace gloam::shell {

// The window torn down and opened again at ScreenWidth x zoom by ScreenHeight x zoom.
void recreateWindow(Game& game, int zoom);

// Switches to the mode's width and height (new Framebuffers) and re-creates the window at the
// mode's zoom: switchScreenMode(game, MapMode) is F6.
void switchScreenMode(Game& game, const ScreenMode& mode);

// M: the window's top-left corner jumps to the mouse, at its present size; the cursor is hidden.
void moveWindowToMouse(Game& game);

}  // namespace gloam::shell
