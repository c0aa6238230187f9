// The GL half of the Framebuffer: clearing at the start of a frame and showing it at the end.
#pragma once
#include "shell/game.hpp"

namespace gloam::shell {

// glClear of colour and depth, identity on the current matrix, every Framebuffer byte to 0.
void clearFrame(Game& game);

// Draws the Framebuffer over the back buffer at the pixel zoom, or scaled to fit the window when
// the mode says so, and swaps.
void presentFrame(Game& game);

// Where a picture scaled to fit the window (screen pixels) goes in its back buffer, whose origin
// is the window's lower-left corner.
PictureArea scaledPictureArea(const platform::Rect& window, const ScreenMode& mode);

}  // namespace gloam::shell
