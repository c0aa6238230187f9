// The steps of a pass that comfort mode (--comfort) replaces, wired to the Game; the table in
// mode_rules.cpp puts them in the pass. Each reads its keys once per pass, so a latched tap is
// seen once; while the console is shown the game keys it owns are still read, to use up their
// taps, but do nothing.
#pragma once
#include <string>

#include "fpview/first_person_step.hpp"
#include "shell/game.hpp"

namespace gloam::shell {

// The console is shown: the keyboard types into it and the game keys rest.
bool keysTypeIntoConsole(const Game& game);

// Missing pictures at start-up: a message box (in a window, before the game starts) naming the
// data folder and how many pictures loaded.
void showMissingArt(Game& game, const std::string& problem);

// After start-up: the first-person view looks level along the longest open line, and units step
// at the fastest speed.
void applyComfortStartup(Game& game);

// Banner, the notice line (the hint or a message) and the status line on dark strips; the help
// panel while H has it up.
void drawComfortOverlay(Game& game);

// The first-person view turns by dragging with a button held (comfort/drag_look.hpp).
void lookByDragging(Game& game, const fpview::FirstPersonInput& input);

// "no way there" on the notice line.
void sayNoRoute(Game& game);

// The presses typed since the last pass, the command they run and the prompt and result lines.
void runComfortConsoleStep(Game& game);

// F1..F4 once per press at the largest zoom that fits the display; M keeps the window on it;
// F11 and Alt+Enter for fullscreen.
void handleComfortWindowKeys(Game& game);

// Arrows and numeric-pad plus and minus, once per press with repeat, no pause.
void handleComfortScrollKeys(Game& game);

// Escape (closes the console, else asks, and quits when pressed again within 2 s); with the
// console closed H, F5 and F6 once per press (the modes fitting the display) and the speed keys.
void handleComfortModeKeys(Game& game);

// After the keys: the map follows the PlayerUnit (comfort/view_follow.hpp), the Shift state is
// noted for the presses this pass's message drain hands out, and the notice counts down.
void settleComfortPass(Game& game);

// A key press from the message drain, queued for the next console step.
void takeComfortKeyPress(Game& game, int virtualKey);

}  // namespace gloam::shell
