// Window creation follows the order the program has always used: class, window, device context,
// pixel format, GL context, show, projection, GL state. Every failure after the class is
// registered tears down what exists before the message box goes up.
#include "shell/game_window.hpp"

#include <cstdio>

#include "fpview/gl_fixed_state.hpp"
#include "fpview/scene_textures.hpp"

namespace gloam::shell {
namespace {

using platform::MessageIcon;

constexpr int DepthBits = 16;

int failOpen(Game& game, const char* text) {
  destroyGameWindow(game);
  game.platform.messageBox("ERROR", text, MessageIcon::Exclamation);
  return 0;
}

void reportTeardown(Game& game, bool ok, const char* text) {
  if (!ok) game.platform.messageBox("SHUTDOWN ERROR", text, MessageIcon::Information);
}

}  // namespace

int initGlState(Game& game) {
  fpview::uploadSceneTextures(game.firstPerson, game.sprites);
  fpview::applyFixedGlState();
  return 1;
}

int openGlWindow(Game& game, const char* title, int width, int height, int colourBits) {
  platform::Platform& p = game.platform;
  if (!p.registerWindowClass()) {
    p.messageBox("ERROR", "Failed To Register The Window Class.", MessageIcon::Exclamation);
    return 0;
  }
  if (!p.createWindow(title, width, height)) return failOpen(game, "Window Creation Error.");
  if (!p.acquireDeviceContext()) return failOpen(game, "Can't Create A GL Device Context.");
  if (!p.choosePixelFormat(colourBits, DepthBits)) return failOpen(game, "Can't Find A Suitable PixelFormat.");
  if (!p.setPixelFormat()) return failOpen(game, "Can't Set The PixelFormat.");
  if (!p.createGlContext()) return failOpen(game, "Can't Create A GL Rendering Context.");
  if (!p.makeContextCurrent()) return failOpen(game, "Can't Activate The GL Rendering Context.");
  p.showWindow();
  fpview::setProjection();
  if (!initGlState(game)) return failOpen(game, "Initialization Failed.");
  return 1;
}

int createGameWindow(Game& game) {
  char title[100];
  std::snprintf(title, sizeof title, "GAME");
  const ScreenMode& m = game.screen.mode;
  if (!openGlWindow(game, title, m.width * m.pixelZoom, m.height * m.pixelZoom, 16)) return 0;
  game.platform.showCursor(false);
  return 1;
}

void destroyGameWindow(Game& game) {
  platform::Platform& p = game.platform;
  if (p.hasGlContext()) {
    reportTeardown(game, p.releaseCurrentContext(), "Release Of DC And RC Failed.");
    reportTeardown(game, p.deleteGlContext(), "Release Rendering Context Failed.");
  }
  if (p.hasDeviceContext()) reportTeardown(game, p.releaseDeviceContext(), "Release Device Context Failed.");
  if (p.hasWindow()) reportTeardown(game, p.destroyWindow(), "Could Not Release hWnd.");
  reportTeardown(game, p.unregisterWindowClass(), "Could Not Unregister Class.");
}

}  // namespace gloam::shell
