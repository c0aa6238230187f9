// The classic game's keys the main loop handles after presenting: zoom and window move, view
// scrolling, and the mode, speed and quit keys (comfort mode's are in comfort_steps.hpp); and,
// in both modes, F12's screenshot and the mouse cross.
#pragma once
#include "shell/game.hpp"

namespace gloam::shell {

// F1..F4 re-create the window at zoom 1..4; M moves the window's top-left corner to the mouse.
void handleWindowKeys(Game& game);

// Arrows move the ViewOrigin a cell per frame; numeric-pad plus and minus change the level with
// a 380 ms pause; then the origin is clamped to the screen, every call.
void handleScrollKeys(Game& game);

// Escape quits after the pass; F5 and F6 switch to the first-person and the map mode; then the
// speed keys '1', '2', '3'.
void handleModeKeys(Game& game);

// F12: the picture just presented goes to gloamdelve-NNNN.png in the working directory, NNNN
// the first number not taken. One file per press; no key of the game uses F12.
void handleScreenshotKey(Game& game);

// The mouse cursor: a white plus, 11 pixels across, centred on the mouse pixel.
void drawMouseCross(Game& game);

}  // namespace gloam::shell
