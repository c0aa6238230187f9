// The rules a game is played by: the classic game's, or comfort mode's (--comfort), chosen once
// when the Game is made. The pass (main_loop.cpp) and start-up are written once; at each step
// where the two modes differ they call through this table.
#pragma once

namespace gloam::shell {

struct Game;

struct ModeRules {
  void (*afterStartup)(Game& game);  // after the view is set from the PlayerUnit
  // The steps of a pass that differ, in pass order.
  void (*drawTexts)(Game& game);    // banner, notice, status line
  void (*consoleStep)(Game& game);  // the console: keys, the line, running a command
  void (*windowKeys)(Game& game);   // F1..F4, M
  void (*scrollKeys)(Game& game);   // arrows, numeric-pad plus and minus
  void (*modeKeys)(Game& game);     // Escape, F5, F6, '1'..'3'
  void (*afterKeys)(Game& game);    // what runs once the keys have moved the player, the view or the mode
  // A key press handed out by the message drain.
  void (*takeKeyPress)(Game& game, int virtualKey);
  // Whether the keyboard belongs to the console for now, so the game keys rest.
  bool (*consoleOwnsKeys)(const Game& game);
};

const ModeRules& classicRules();
const ModeRules& comfortRules();

}  // namespace gloam::shell
