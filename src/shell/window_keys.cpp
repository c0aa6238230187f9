// Every key here is a level test: a key held for several frames acts on each of them, which is
// why a held F-key re-creates the window every frame and the level keys pace themselves by sleeping.
#include "shell/window_keys.hpp"

#include <cstdio>
#include <filesystem>

#include "core/input.hpp"
#include "draw/line.hpp"
#include "platform/keys.hpp"
#include "shell/run_outputs.hpp"
#include "shell/screen_modes.hpp"
#include "shell/speed_keys.hpp"
#include "views/view_clamps.hpp"

namespace gloam::shell {
namespace {

constexpr int LevelKeyPauseMs = 380;

}  // namespace

void handleWindowKeys(Game& game) {
  platform::Platform& p = game.platform;
  for (int zoom = 1; zoom <= 4; ++zoom) {
    if (!isKeyDown(p, vk::function(zoom))) continue;
    recreateWindow(game, zoom);
    p.showCursor(false);
  }
  if (isKeyDown(p, vk::KeyM)) moveWindowToMouse(game);
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
  views::clampScrolledView(v, game.screen.mode);
}

void handleModeKeys(Game& game) {
  platform::Platform& p = game.platform;
  if (isKeyDown(p, vk::Escape)) game.loop.quitRequested = 1;
  if (isKeyDown(p, vk::F5)) switchScreenMode(game, FirstPersonMode);
  if (isKeyDown(p, vk::F6)) switchScreenMode(game, MapMode);
  if (const std::optional<float> divisor = speedKeyChoice(p)) game.loop.tickDivisor = *divisor;
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
