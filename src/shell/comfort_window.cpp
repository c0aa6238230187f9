// A resizable window never gets smaller than the first-person scene, which is drawn into (and read
// back from) the lower-left SceneWidth x SceneHeight pixels of the window whatever its size.
#include "shell/comfort_window.hpp"

#include <algorithm>

#include "comfort/key_repeat.hpp"
#include "core/input.hpp"
#include "fpview/scene_constants.hpp"
#include "platform/keys.hpp"
#include "shell/game.hpp"
#include "shell/game_window.hpp"

namespace gloam::shell {
namespace {

constexpr const char* ComfortTitle = "GLOAMDELVE";

// Where a first window of this size goes: centred in the area, or at its corner when too large.
platform::Rect firstPlace(int width, int height, const std::optional<platform::Rect>& area) {
  if (!area) return {0, 0, width, height};
  const int left = area->left + std::max(0, (area->width() - width) / 2);
  const int top = area->top + std::max(0, (area->height() - height) / 2);
  return {left, top, left + width, top + height};
}

platform::Rect nextPlace(const ComfortWindow& window, const ScreenMode& mode,
                         const std::optional<platform::Rect>& area) {
  const int width = mode.width * mode.pixelZoom, height = mode.height * mode.pixelZoom;
  const platform::Rect& last = window.windowed;
  if (last.width() <= 0 || last.height() <= 0) return firstPlace(width, height, area);
  if (window.restoreSize || window.fullscreen) return last;
  return {last.left, last.top, last.left + width, last.top + height};
}

}  // namespace

platform::WindowSpec comfortWindowSpec(const ComfortWindow& window, const ScreenMode& mode,
                                       const std::optional<platform::Rect>& area) {
  const platform::Rect place = nextPlace(window, mode, area);
  platform::WindowSpec spec;
  spec.title = ComfortTitle;
  spec.left = place.left;
  spec.top = place.top;
  spec.width = std::max(place.width(), fpview::SceneWidth);
  spec.height = std::max(place.height(), fpview::SceneHeight);
  spec.framed = true;
  spec.resizable = true;
  spec.minWidth = fpview::SceneWidth;
  spec.minHeight = fpview::SceneHeight;
  spec.fullscreen = window.fullscreen;
  return spec;
}

void noteComfortWindowClosing(Game& game) {
  if (game.comfortWindow.fullscreen) return;
  const platform::Rect now = game.platform.windowRect();
  if (now.width() > 0 && now.height() > 0) game.comfortWindow.windowed = now;
}

void toggleFullscreen(Game& game) {
  ComfortWindow& window = game.comfortWindow;
  destroyGameWindow(game);
  window.fullscreen = !window.fullscreen;
  window.restoreSize = !window.fullscreen;
  createGameWindow(game);
  window.restoreSize = false;
}

void handleFullscreenKeys(Game& game, bool consoleHasKeys) {
  platform::Platform& p = game.platform;
  ComfortWindow& window = game.comfortWindow;
  const bool f11 = comfort::pressedNow(window.fullscreenKeyWasDown, isKeyDown(p, vk::F11));
  const bool enter = comfort::pressedNow(window.enterWasDown, isKeyDown(p, vk::Enter));
  const bool altEnter = enter && isKeyDown(p, vk::Alt) && !consoleHasKeys;
  if (f11 || altEnter) toggleFullscreen(game);
}

}  // namespace gloam::shell
