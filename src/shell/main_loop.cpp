// One pass, in its fixed order: clear, view, texts, console, move order, unit pass, mouse cross,
// present, window and scroll keys, mode keys, message drain, FrameCounter + 1.
#include "shell/main_loop.hpp"

#include "core/input.hpp"
#include "shell/messages.hpp"
#include "shell/presentation.hpp"
#include "shell/window_keys.hpp"

namespace gloam::shell {
namespace {

void drawView(Game& game) {
  (void)game;  // the screen-saver, top-down and first-person views join here
}

void drawTexts(Game& game) {
  (void)game;  // banner, notice line and status line join here
}

}  // namespace

void runOnePass(Game& game) {
  game.platform.beginFrame(game.loop.frameCounter, game.screen.mode.width, game.screen.mode.height);
  clearFrame(game);
  drawView(game);
  drawTexts(game);
  drawMouseCross(game);
  presentFrame(game);
  handleWindowKeys(game);
  handleScrollKeys(game);
  handleModeKeys(game);
  while (pumpOneMessage(game)) {
  }
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
