// The game window and its GL context: creation and teardown in their fixed order with their
// fixed message texts, and the fixed GL state every new context receives.
#pragma once
#include "shell/game.hpp"

namespace gloam::shell {

// Creates the window with its GL context; on a failing step tears down what exists, shows
// the step's message and returns 0.
int openGlWindow(Game& game, const char* title, int width, int height, int colourBits);
// The same for any window the platform can open (comfort's is framed and resizable).
int openGlWindow(Game& game, const platform::WindowSpec& spec);

// Opens "GAME" at ScreenWidth x PixelZoom by ScreenHeight x PixelZoom and hides the cursor; in
// comfort mode, comfort's window (comfort_window.hpp).
int createGameWindow(Game& game);

// Tears down the context, the device context, the window and the class, reporting each failure
// and going on.
void destroyGameWindow(Game& game);

// Uploads the scene textures into the new context first, then sets the fixed GL state.
void initGlState(Game& game);

}  // namespace gloam::shell
