// Comfort mode's side of a pass: the shell's reading of keys and the window, handed to the
// comfort layer's rules. The classic steps these replace are in window_keys.cpp and the console.
#include "shell/comfort_steps.hpp"

#include "comfort/comfort_texts.hpp"
#include "comfort/first_look.hpp"
#include "comfort/window_fit.hpp"
#include "core/input.hpp"
#include "platform/keys.hpp"
#include "shell/comfort_window.hpp"
#include "shell/game_window.hpp"

namespace gloam::shell {
namespace {

struct SpeedKey {
  int virtualKey;
  float tickDivisor;
};
constexpr SpeedKey SpeedKeys[] = {{vk::digit(1), 10.0f}, {vk::digit(2), 30.0f}, {vk::digit(3), 60.0f}};

units::UnitRecord& player(Game& game) { return game.units[game.loop.playerUnitIndex]; }

// Moves the window onto the display's usable area if any part of it is off it.
void keepWindowOnDisplay(Game& game) {
  const std::optional<platform::Rect> area = game.platform.displayArea();
  if (!area) return;
  const platform::Rect now = game.platform.windowRect();
  const platform::Rect inside = comfort::keepInside(now, *area);
  if (inside.left != now.left || inside.top != now.top) game.platform.moveWindow(inside);
}

void recreateFitting(Game& game, int requestedZoom) {
  const ScreenMode& m = game.screen.mode;
  const int zoom = comfort::fittingZoom(requestedZoom, m.width, m.height, game.platform.displayArea());
  destroyGameWindow(game);
  game.screen.mode.pixelZoom = zoom;
  createGameWindow(game);
  game.platform.showCursor(false);
  keepWindowOnDisplay(game);
}

void switchModeFitting(Game& game, int width, int height, int zoom) {
  setScreenMode(game.screen, width, height);
  recreateFitting(game, zoom);
}

}  // namespace

bool keysTypeIntoConsole(const Game& game) { return game.settings.comfort && game.console.ConsoleVisible == 1; }

void applyComfortStartup(Game& game) { comfort::applyFirstLook(game.firstPerson, game.grid, player(game)); }

void drawComfortOverlay(Game& game) {
  const ScreenMode& m = game.screen.mode;
  comfort::drawComfortTexts(game.screen, game.text, game.view, mouseX(game.platform, m), mouseY(game.platform, m));
}

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
  if (moveDown) {
    const platform::Point cursor = p.cursorPos();
    const ScreenMode& m = game.screen.mode;
    const int left = static_cast<int>(cursor.x), top = static_cast<int>(cursor.y);
    p.moveWindow({left, top, left + m.width * m.pixelZoom, top + m.height * m.pixelZoom});
    p.showCursor(false);
    keepWindowOnDisplay(game);
  }
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
  if (isKeyDown(p, vk::Escape)) game.loop.quitRequested = 1;
  const bool firstPerson = comfort::pressedNow(pressed.firstPerson, isKeyDown(p, vk::F5));
  const bool map = comfort::pressedNow(pressed.map, isKeyDown(p, vk::F6));
  bool speed[3];
  for (int i = 0; i < 3; ++i) speed[i] = isKeyDown(p, SpeedKeys[i].virtualKey);
  if (keysTypeIntoConsole(game)) return;
  if (firstPerson) switchModeFitting(game, 320, 240, 2);
  if (map) switchModeFitting(game, 640, 480, 1);
  for (int i = 0; i < 3; ++i)
    if (speed[i]) game.loop.tickDivisor = SpeedKeys[i].tickDivisor;
}

void followComfortView(Game& game) {
  comfort::followPlayer(game.comfort.follow, game.view, player(game), game.screen.mode);
}

void noteComfortShift(Game& game) { game.comfort.shiftDown = isKeyDown(game.platform, vk::Shift); }

void takeComfortKeyPress(Game& game, int virtualKey) {
  comfort::queueKeyPress(game.comfort.console, {virtualKey, game.comfort.shiftDown});
}

}  // namespace gloam::shell
