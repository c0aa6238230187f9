// The two rule tables side by side. The classic key steps are in window_keys.cpp and comfort's
// in comfort_steps.cpp; the classic texts and console are one call each and are wired here.
#include "shell/mode_rules.hpp"

#include "console/run_console.hpp"
#include "core/input.hpp"
#include "fpview/eye_motion.hpp"
#include "fpview/first_person_step.hpp"
#include "shell/comfort_steps.hpp"
#include "shell/game.hpp"
#include "shell/window_keys.hpp"
#include "views/overlay_texts.hpp"

namespace gloam::shell {
namespace {

void nothingMore(Game&) {}

void sayNothingMore(Game&, const std::string&) {}

// The classic look sets the angles from where the mouse is.
void lookAtTheMouse(Game& game, const fpview::FirstPersonInput& in) {
  fpview::applyMouseLook(game.firstPerson, in.lookDown, in.mouseX, in.mouseY);
}

void drawClassicTexts(Game& game) {
  const ScreenMode& m = game.screen.mode;
  views::drawOverlayTexts(game.screen, game.text, game.view, mouseX(game.platform, m), mouseY(game.platform, m));
}

void runClassicConsole(Game& game) {
  console::runConsole(game.console, game.screen, game.text, game.loop.frameCounter,
                      {game.grid, game.units, game.view, game.loop.screenSaverMode, game.platform});
}

// Classic keys are polled where they act; a key press as an event means nothing to them.
void ignoreKeyPress(Game&, int) {}

bool keysNeverRest(const Game&) { return false; }

// In the order of ModeRules: pauseAfterMapRead, reportMissingArt, afterStartup; drawTexts,
// consoleStep, look, noRoute, windowKeys, scrollKeys, modeKeys, afterKeys; takeKeyPress;
// consoleOwnsKeys.
constexpr ModeRules Classic{true,           sayNothingMore, nothingMore,      drawClassicTexts, runClassicConsole,
                            lookAtTheMouse, nothingMore,    handleWindowKeys, handleScrollKeys, handleModeKeys,
                            nothingMore,    ignoreKeyPress, keysNeverRest};
constexpr ModeRules Comfort{false,
                            showMissingArt,
                            applyComfortStartup,
                            drawComfortOverlay,
                            runComfortConsoleStep,
                            lookByDragging,
                            sayNoRoute,
                            handleComfortWindowKeys,
                            handleComfortScrollKeys,
                            handleComfortModeKeys,
                            settleComfortPass,
                            takeComfortKeyPress,
                            keysTypeIntoConsole};

}  // namespace

const ModeRules& classicRules() { return Classic; }
const ModeRules& comfortRules() { return Comfort; }

}  // namespace gloam::shell
