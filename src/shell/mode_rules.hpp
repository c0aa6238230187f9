// The rules a game is played by: the classic game's, or comfort mode's (--comfort), chosen once
// when the Game is made. The pass (main_loop.cpp) and start-up are written once; at each step
// where the two modes differ they call through this table.
#pragma once

#include <string>

namespace gloam::fpview {
struct FirstPersonInput;
}

namespace gloam::shell {

struct Game;

struct ModeRules {
  // Start-up: whether the overworld map's read pauses the game, what else is said of missing
  // pictures (stderr has them in both modes), and what follows once the view is set.
  bool pauseAfterMapRead;
  void (*reportMissingArt)(Game& game, const std::string& problem);
  void (*afterStartup)(Game& game);
  // The steps of a pass that differ, in pass order.
  void (*drawTexts)(Game& game);    // banner, notice, status line
  void (*consoleStep)(Game& game);  // the console: keys, the line, running a command
  // With a mouse button held in the first-person view: how the view turns.
  void (*look)(Game& game, const fpview::FirstPersonInput& input);
  // The PlayerUnit's order found no route on this pass's movement tick.
  void (*noRoute)(Game& game);
  void (*windowKeys)(Game& game);  // F1..F4, M
  void (*scrollKeys)(Game& game);  // arrows, numeric-pad plus and minus
  void (*modeKeys)(Game& game);    // Escape, F5, F6, '1'..'3'
  void (*afterKeys)(Game& game);   // what runs once the keys have moved the player, the view or the mode
  // A key press handed out by the message drain.
  void (*takeKeyPress)(Game& game, int virtualKey);
  // Whether the keyboard belongs to the console for now, so the game keys rest.
  bool (*consoleOwnsKeys)(const Game& game);
};

const ModeRules& classicRules();
const ModeRules& comfortRules();

}  // namespace gloam::shell
