// One pass, in its fixed order: clear, view, texts, console, move order, unit pass, mouse cross,
// present, the frame clock's wait, window and scroll keys, mode keys, message drain,
// FrameCounter + 1. (F12's screenshot is taken right after presenting, before a mode key can
// replace the Framebuffer.)
#include "shell/main_loop.hpp"

#include "console/run_console.hpp"
#include "core/input.hpp"
#include "fpview/first_person_view.hpp"
#include "platform/keys.hpp"
#include "shell/comfort_steps.hpp"
#include "shell/frame_clock.hpp"
#include "shell/messages.hpp"
#include "shell/presentation.hpp"
#include "shell/window_keys.hpp"
#include "units/unit_movement.hpp"
#include "views/overlay_texts.hpp"
#include "views/screen_saver_view.hpp"
#include "views/topdown_view.hpp"

namespace gloam::shell {
namespace {

units::UnitRecord& player(Game& game) { return game.units[game.loop.playerUnitIndex]; }

// The screen saver replaces both map views; otherwise the width chooses the view.
void drawView(Game& game) {
  if (game.loop.screenSaverMode == 1) {
    views::drawScreenSaverView(game.screen, game.rng, game.loop.frameCounter, game.trig);
  } else if (game.screen.mode.width == 640) {
    views::drawTopDownView(game.screen, {game.grid, game.view, game.units, game.paths.table}, game.sprites, game.trig,
                           game.text);
  } else if (game.screen.mode.width == 320) {
    fpview::drawFirstPersonView(
        game.firstPerson, game.screen, game.platform,
        {game.grid, player(game), game.view, game.loop.frameCounter, game.loop.tickDivisor, keysTypeIntoConsole(game)});
  }
}

void drawTexts(Game& game) {
  const ScreenMode& m = game.screen.mode;
  views::drawOverlayTexts(game.screen, game.text, game.view, mouseX(game.platform, m), mouseY(game.platform, m));
}

void runConsoleStep(Game& game) {
  console::runConsole(game.console, game.screen, game.text, game.loop.frameCounter,
                      {game.grid, game.units, game.view, game.loop.screenSaverMode, game.platform});
}

void moveUnits(Game& game) {
  const ScreenMode& m = game.screen.mode;
  const units::OrderClick click{isKeyDown(game.platform, vk::RightButton), mouseX(game.platform, m),
                                mouseY(game.platform, m)};
  units::issueMoveOrder(game.units, game.paths.table, click, m.width, game.view);
  units::unitMovementPass({game.units, game.paths, game.grid}, game.loop.frameCounter, game.loop.tickDivisor);
}

// The comfort pass: the classic order, with the texts, the console and the key steps replaced by
// comfort's, and the map following the player once everything that moves it or the mode has run.
void runComfortPass(Game& game) {
  game.platform.beginFrame(game.loop.frameCounter, game.screen.mode.width, game.screen.mode.height);
  clearFrame(game);
  drawView(game);
  drawComfortOverlay(game);
  runComfortConsoleStep(game);
  moveUnits(game);
  drawMouseCross(game);
  presentFrame(game);
  waitForNextPass(game.clock, game.platform);
  handleScreenshotKey(game);
  handleComfortWindowKeys(game);
  handleComfortScrollKeys(game);
  handleComfortModeKeys(game);
  followComfortView(game);
  noteComfortShift(game);
  while (pumpOneMessage(game)) {}
  game.loop.frameCounter += 1;
}

}  // namespace

void runOnePass(Game& game) {
  if (game.settings.comfort) return runComfortPass(game);
  game.platform.beginFrame(game.loop.frameCounter, game.screen.mode.width, game.screen.mode.height);
  clearFrame(game);
  drawView(game);
  drawTexts(game);
  runConsoleStep(game);
  moveUnits(game);
  drawMouseCross(game);
  presentFrame(game);
  waitForNextPass(game.clock, game.platform);
  handleScreenshotKey(game);
  handleWindowKeys(game);
  handleScrollKeys(game);
  handleModeKeys(game);
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
