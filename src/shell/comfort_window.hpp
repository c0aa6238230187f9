// Comfort mode's window: titled GLOAMDELVE with the game's icon, framed, resizable, its picture
// scaled to fit (presentation.cpp), and fullscreen and back with F11 or Alt+Enter. Every change
// of window is a re-creation, as the zoom and mode keys' are. The classic window knows none of it.
#pragma once
#include <optional>

#include "core/screen.hpp"
#include "platform/platform.hpp"

namespace gloam::shell {

struct Game;

// Where comfort's window is, and goes next.
struct ComfortWindow {
  bool fullscreen = false;
  platform::Rect windowed;            // the last windowed client area (empty before the first)
  bool restoreSize = false;           // the next window takes windowed's size, not the zoom's
  bool fullscreenKeyWasDown = false;  // F11: once per press
  bool enterWasDown = false;          // Enter, for Alt+Enter: once per press
};

// The window comfort opens next, for the mode and zoom, in its place. A first window is centred in
// the display's usable area (`area`), or at its corner when it does not fit there, or at (0, 0)
// without a display. Later windows keep the last one's place; leaving fullscreen its size too.
// Fullscreen covers the display that the last windowed window's centre is on.
platform::WindowSpec comfortWindowSpec(const ComfortWindow& window, const ScreenMode& mode,
                                       const std::optional<platform::Rect>& area);

// Called as the window closes: a windowed window's client area is where the next one goes.
void noteComfortWindowClosing(Game& game);

// Fullscreen on the display the window is on, or back to the window it was.
void toggleFullscreen(Game& game);

// F11, or Enter with Alt held, each once per press, toggles fullscreen; Alt+Enter not while the
// console has the keyboard (the Enter is the console's). Reads its keys on every pass.
void handleFullscreenKeys(Game& game, bool consoleHasKeys);

}  // namespace gloam::shell
