// Comfort mode's side of a pass: the shell's reading of keys and the window, handed to the
// comfort layer's rules. The classic steps these replace are in window_keys.cpp and the console;
// both sides switch modes and move the window through screen_modes.hpp.
#include "shell/comfort_steps.hpp"

#include "comfort/comfort_texts.hpp"
#include "comfort/first_look.hpp"
#include "comfort/help_panel.hpp"
#include "comfort/window_fit.hpp"
#include "core/input.hpp"
#include "fpview/first_person_step.hpp"
#include "platform/keys.hpp"
#include "shell/comfort_window.hpp"
#include "shell/game_window.hpp"
#include "shell/screen_modes.hpp"
#include "shell/speed_keys.hpp"

namespace gloam::shell {
namespace {

// Moves the window onto the display's usable area if any part of it is off it.
void keepWindowOnDisplay(Game& game) {
  const std::optional<platform::Rect> area = game.platform.displayArea();
  if (!area) return;
  const platform::Rect now = game.platform.windowRect();
  const platform::Rect inside = comfort::keepInside(now, *area);
  if (inside.left != now.left || inside.top != now.top) game.platform.moveWindow(inside);
}

// The largest zoom up to the one asked for whose window fits the display, at the mode's size.
int fittingZoom(Game& game, int requestedZoom, const ScreenMode& mode) {
  return comfort::fittingZoom(requestedZoom, mode.width, mode.height, game.platform.displayArea());
}

void settleOnDisplay(Game& game) {
  game.platform.showCursor(false);
  keepWindowOnDisplay(game);
}

void recreateFitting(Game& game, int requestedZoom) {
  recreateWindow(game, fittingZoom(game, requestedZoom, game.screen.mode));
  settleOnDisplay(game);
}

void switchModeFitting(Game& game, const ScreenMode& mode) {
  switchScreenMode(game, {mode.width, mode.height, fittingZoom(game, mode.pixelZoom, mode)});
  settleOnDisplay(game);
}

void showMessage(Game& game, const char* message) {
  comfort::showNotice(game.comfort.notice, message,
                      comfort::passesFor(comfort::NoticeShownMs, game.comfort.passesPerSecond));
}

// Escape closes the console; otherwise the first press asks, and a second one while the question
// is shown quits.
void leaveOrAsk(Game& game) {
  if (game.console.ConsoleVisible == 1) {
    game.console.ConsoleVisible = 0;
    return;
  }
  if (game.comfort.quitPassesLeft > 0) {
    game.loop.quitRequested = 1;
    return;
  }
  showMessage(game, comfort::QuitPromptText);
  game.comfort.quitPassesLeft = game.comfort.notice.passesLeft;
}

}  // namespace

bool keysTypeIntoConsole(const Game& game) { return game.console.ConsoleVisible == 1; }

void showMissingArt(Game& game, const std::string& problem) {
  const std::string text = "Some pictures are missing: " + problem +
                           ". The game starts with those pictures blank; --data names the folder that holds them.";
  game.platform.messageBox("GLOAMDELVE", text.c_str(), platform::MessageIcon::Exclamation);
}

void applyComfortStartup(Game& game) {
  comfort::applyFirstLook(game.firstPerson, game.grid, player(game));
  game.loop.tickDivisor = comfort::StartTickDivisor;
}

void drawComfortOverlay(Game& game) {
  const ScreenMode& m = game.screen.mode;
  comfort::drawComfortTexts(game.screen, game.text, comfort::noticeLine(game.comfort.notice), game.view,
                            mouseX(game.platform, m), mouseY(game.platform, m));
  if (game.comfort.helpShown) comfort::drawHelpPanel(game.screen, game.text);
}

void lookByDragging(Game& game, const fpview::FirstPersonInput& in) {
  comfort::dragLook(game.comfort.drag, game.firstPerson, game.loop.frameCounter, in.lookDown, in.mouseX, in.mouseY);
}

void sayNoRoute(Game& game) { showMessage(game, comfort::NoRouteText); }

void runComfortConsoleStep(Game& game) {
  const console::CommandTargets targets{game.grid, game.units, game.view, game.loop.screenSaverMode, game.platform};
  if (comfort::runComfortConsole(game.comfort.console, game.console, targets, game.comfort.passesPerSecond))
    game.comfort.follow.centreRequested = true;
  comfort::drawComfortConsole(game.comfort.console, game.console, game.screen, game.text, game.loop.frameCounter);
}

void handleComfortWindowKeys(Game& game) {
  platform::Platform& p = game.platform;
  bool zoomPressed[4];
  for (int zoom = 1; zoom <= 4; ++zoom)
    zoomPressed[zoom - 1] = comfort::pressedNow(game.comfort.pressed.zoom[zoom - 1], isKeyDown(p, vk::function(zoom)));
  const bool moveDown = isKeyDown(p, vk::KeyM);
  handleFullscreenKeys(game, keysTypeIntoConsole(game));
  if (keysTypeIntoConsole(game)) return;
  for (int zoom = 1; zoom <= 4; ++zoom)
    if (zoomPressed[zoom - 1]) recreateFitting(game, zoom);
  if (!moveDown) return;
  moveWindowToMouse(game);
  keepWindowOnDisplay(game);
}

void handleComfortScrollKeys(Game& game) {
  platform::Platform& p = game.platform;
  comfort::ScrollKeysDown keys{isKeyDown(p, vk::Up),   isKeyDown(p, vk::Down),      isKeyDown(p, vk::Right),
                               isKeyDown(p, vk::Left), isKeyDown(p, vk::NumpadAdd), isKeyDown(p, vk::NumpadSubtract)};
  if (keysTypeIntoConsole(game)) keys = {};
  comfort::scrollView(game.comfort.scroll, keys, comfort::repeatTiming(game.comfort.passesPerSecond), game.view,
                      game.screen.mode);
}

void handleComfortModeKeys(Game& game) {
  platform::Platform& p = game.platform;
  comfort::PressedKeys& pressed = game.comfort.pressed;
  const bool escape = comfort::pressedNow(pressed.escape, isKeyDown(p, vk::Escape));
  const bool help = comfort::pressedNow(pressed.help, isKeyDown(p, vk::letter('H')));
  const bool firstPerson = comfort::pressedNow(pressed.firstPerson, isKeyDown(p, vk::F5));
  const bool map = comfort::pressedNow(pressed.map, isKeyDown(p, vk::F6));
  const std::optional<float> divisor = speedKeyChoice(p);
  const bool typing = keysTypeIntoConsole(game);
  if (escape) leaveOrAsk(game);
  if (typing) return;
  if (help) game.comfort.helpShown = !game.comfort.helpShown;
  if (firstPerson) switchModeFitting(game, FirstPersonMode);
  if (map) switchModeFitting(game, MapMode);
  if (divisor) game.loop.tickDivisor = *divisor;
}

void settleComfortPass(Game& game) {
  comfort::followPlayer(game.comfort.follow, game.view, player(game), game.screen.mode);
  game.comfort.shiftDown = isKeyDown(game.platform, vk::Shift);
  comfort::countDownNotice(game.comfort.notice);
  if (game.comfort.quitPassesLeft > 0) --game.comfort.quitPassesLeft;
}

void takeComfortKeyPress(Game& game, int virtualKey) {
  comfort::queueKeyPress(game.comfort.console, {virtualKey, game.comfort.shiftDown});
}

}  // namespace gloam::shell
