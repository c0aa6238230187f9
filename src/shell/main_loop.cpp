// One pass, in its fixed order: clear, view, texts, console, move order, unit pass, mouse cross,
// present, the frame clock's wait, window and scroll keys, mode keys, message drain,
// FrameCounter + 1. (F12's screenshot is taken right after presenting, before a mode key can
// replace the Framebuffer.) The steps comfort mode words differently go through game.rules.
#include "shell/main_loop.hpp"

#include "core/input.hpp"
#include "fpview/first_person_step.hpp"
#include "fpview/first_person_view.hpp"
#include "platform/keys.hpp"
#include "shell/frame_clock.hpp"
#include "shell/messages.hpp"
#include "shell/presentation.hpp"
#include "shell/window_keys.hpp"
#include "units/unit_movement.hpp"
#include "views/screen_saver_view.hpp"
#include "views/topdown_view.hpp"

namespace gloam::shell {
namespace {

// The first-person view's movement: the walk, the push out of walls, the ViewOrigin kept over
// solid ground, then the mode's look. No GL; it follows the drawing, so it shows next pass.
void moveInFirstPerson(Game& game) {
  const fpview::FirstPersonInput input =
      fpview::readFirstPersonInput(game.platform, game.screen.mode, game.rules.consoleOwnsKeys(game));
  fpview::walkFirstPerson(game.firstPerson,
                          {game.grid, player(game), game.view, game.loop.frameCounter, game.loop.tickDivisor}, input);
  game.rules.look(game, input);
}

// The screen saver replaces both map views; otherwise the width picks the view: the map in the
// map mode, the first-person view (drawn, then moved) in the first-person mode.
void runView(Game& game) {
  const int width = game.screen.mode.width;
  if (game.loop.screenSaverMode == 1) {
    views::drawScreenSaverView(game.screen, game.rng, game.loop.frameCounter, game.trig);
  } else if (width == MapMode.width) {
    views::drawTopDownView(game.screen, {game.grid, game.view, game.units, game.paths.table}, game.sprites, game.trig,
                           game.text);
  } else if (width == FirstPersonMode.width) {
    fpview::drawFirstPersonView(game.firstPerson, game.screen, game.grid, player(game));
    moveInFirstPerson(game);
  }
}

// The PlayerUnit has an order whose route the next movement tick searches for.
bool routePending(const Game& game) {
  return player(game).moving == 1 && game.paths.table.pathCursor[game.loop.playerUnitIndex] == units::NoPath;
}

// The move order, then the movement pass. An order that was waiting for its route and is over
// after the pass found none.
void moveUnits(Game& game) {
  const ScreenMode& m = game.screen.mode;
  const units::OrderClick click{isKeyDown(game.platform, vk::RightButton), mouseX(game.platform, m),
                                mouseY(game.platform, m)};
  units::issueMoveOrder(game.units, game.paths.table, click, m.width, game.view);
  const bool searching = routePending(game);
  units::unitMovementPass({game.units, game.paths, game.grid}, game.loop.frameCounter, game.loop.tickDivisor);
  if (searching && player(game).moving == 0) game.rules.noRoute(game);
}

}  // namespace

void runOnePass(Game& game) {
  const ModeRules& rules = game.rules;
  game.platform.beginFrame(game.loop.frameCounter, game.screen.mode.width, game.screen.mode.height);
  clearFrame(game);
  runView(game);
  rules.drawTexts(game);
  rules.consoleStep(game);
  moveUnits(game);
  drawMouseCross(game);
  presentFrame(game);
  waitForNextPass(game.clock, game.platform);
  handleScreenshotKey(game);
  rules.windowKeys(game);
  rules.scrollKeys(game);
  rules.modeKeys(game);
  rules.afterKeys(game);
  while (pumpOneMessage(game)) {}
  game.loop.frameCounter += 1;
}

void runMainLoop(Game& game) {
  while (game.loop.quitRequested == 0) {
    if (game.settings.maxFrames >= 0 && game.loop.frameCounter >= game.settings.maxFrames) {
      game.loop.quitRequested = 1;  // --frames: the same way out as Escape, so shutdown runs
      break;
    }
    runOnePass(game);
  }
}

}  // namespace gloam::shell
