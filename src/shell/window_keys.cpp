// Every key here is a level test: a key held for several frames acts on each of them, which is
// why a held F-key re-creates the window every frame and the level keys pace themselves by sleeping.
#include "shell/window_keys.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "core/input.hpp"
#include "draw/line.hpp"
#include "platform/keys.hpp"
#include "shell/game_window.hpp"
#include "shell/run_outputs.hpp"

namespace gloam::shell {
namespace {

constexpr int LevelKeyPauseMs = 380;

struct SpeedKey {
  int virtualKey;
  float tickDivisor;
};
constexpr SpeedKey SpeedKeys[] = {{vk::digit(1), 10.0f}, {vk::digit(2), 30.0f}, {vk::digit(3), 60.0f}};

void recreateAtZoom(Game& game, int zoom) {
  destroyGameWindow(game);
  game.screen.mode.pixelZoom = zoom;
  createGameWindow(game);
  game.platform.showCursor(false);
}

void switchMode(Game& game, int width, int height, int zoom) {
  setScreenMode(game.screen, width, height);
  game.screen.mode.pixelZoom = zoom;
  destroyGameWindow(game);
  createGameWindow(game);
}

}  // namespace

void handleWindowKeys(Game& game) {
  platform::Platform& p = game.platform;
  for (int zoom = 1; zoom <= 4; ++zoom)
    if (isKeyDown(p, vk::function(zoom))) recreateAtZoom(game, zoom);
  if (isKeyDown(p, vk::KeyM)) {
    const platform::Point cursor = p.cursorPos();
    const ScreenMode& m = game.screen.mode;
    const int left = static_cast<int>(cursor.x), top = static_cast<int>(cursor.y);
    p.moveWindow({left, top, left + m.width * m.pixelZoom, top + m.height * m.pixelZoom});
    p.showCursor(false);
  }
}

void handleScrollKeys(Game& game) {
  platform::Platform& p = game.platform;
  world::ViewOrigin& v = game.view;
  if (isKeyDown(p, vk::Up)) v.sy += 1;
  if (isKeyDown(p, vk::Down)) v.sy -= 1;
  if (isKeyDown(p, vk::Right)) v.sx += 1;
  if (isKeyDown(p, vk::Left)) v.sx -= 1;
  if (isKeyDown(p, vk::NumpadAdd)) {
    v.sz += 1;
    p.sleepMs(LevelKeyPauseMs);
  }
  if (isKeyDown(p, vk::NumpadSubtract)) {
    v.sz -= 1;
    p.sleepMs(LevelKeyPauseMs);
  }
  const ScreenMode& m = game.screen.mode;
  v.sy = std::max(std::min(v.sy, GridSide - m.height / TileSize), 0);
  v.sx = std::max(std::min(v.sx, GridSide - m.width / TileSize), 0);
  v.sz = std::max(std::min(v.sz, LevelCount - 1), 0);
}

void handleModeKeys(Game& game) {
  platform::Platform& p = game.platform;
  if (isKeyDown(p, vk::Escape)) game.loop.quitRequested = 1;
  if (isKeyDown(p, vk::F5)) switchMode(game, 320, 240, 2);
  if (isKeyDown(p, vk::F6)) switchMode(game, 640, 480, 1);
  for (const SpeedKey& k : SpeedKeys)
    if (isKeyDown(p, k.virtualKey)) game.loop.tickDivisor = k.tickDivisor;
}

void handleScreenshotKey(Game& game) {
  const bool down = isKeyDown(game.platform, vk::F12);
  const bool pressed = down && !game.screenshotKeyWasDown;
  game.screenshotKeyWasDown = down;
  if (!pressed) return;
  for (int n = 1; n <= 9999; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "gloamdelve-%04d.png", n);
    std::error_code ec;
    if (std::filesystem::exists(name, ec)) continue;
    if (!writeScreenshot(game.screen.framebuffer, game.screen.mode, name))
      std::fprintf(stderr, "gloamdelve: cannot write %s\n", name);
    return;
  }
}

void drawMouseCross(Game& game) {
  const int mx = mouseX(game.platform, game.screen.mode);
  const int my = mouseY(game.platform, game.screen.mode);
  constexpr Rgb white{255, 255, 255};
  draw::drawLine(game.screen, mx, my, mx + 5, my, white);
  draw::drawLine(game.screen, mx, my, mx, my + 5, white);
  draw::drawLine(game.screen, mx, my, mx - 5, my, white);
  draw::drawLine(game.screen, mx, my, mx, my - 5, white);
}

}  // namespace gloam::shell
