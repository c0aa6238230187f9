// Window creation follows the order the program has always used: class, window, device context,
// pixel format, GL context, show, projection, GL state. Every failure after the class is
// registered tears down what exists before the message box goes up.
#include "shell/game_window.hpp"

#include <cstdio>

#include "fpview/gl_fixed_state.hpp"
#include "fpview/scene_textures.hpp"
#include "shell/comfort_window.hpp"

namespace gloam::shell {
namespace {

using platform::CloseStep;
using platform::MessageIcon;
using platform::OpenStep;

constexpr int DepthBits = 16;

const char* openFailureText(OpenStep step) {
  switch (step) {
    case OpenStep::RegisterClass: return "Failed To Register The Window Class.";
    case OpenStep::CreateWindow: return "Window Creation Error.";
    case OpenStep::DeviceContext: return "Can't Create A GL Device Context.";
    case OpenStep::ChooseFormat: return "Can't Find A Suitable PixelFormat.";
    case OpenStep::SetFormat: return "Can't Set The PixelFormat.";
    case OpenStep::CreateContext: return "Can't Create A GL Rendering Context.";
    case OpenStep::ActivateContext: return "Can't Activate The GL Rendering Context.";
  }
  return "";
}

// Teardown steps in the order they are reported, with their texts.
struct TeardownText {
  CloseStep step;
  const char* text;
};
constexpr TeardownText TeardownTexts[] = {
    {CloseStep::ReleaseContext, "Release Of DC And RC Failed."},
    {CloseStep::DeleteContext, "Release Rendering Context Failed."},
    {CloseStep::ReleaseDeviceContext, "Release Device Context Failed."},
    {CloseStep::DestroyWindow, "Could Not Release hWnd."},
    {CloseStep::UnregisterClass, "Could Not Unregister Class."},
};

int failOpen(Game& game, const char* text) {
  destroyGameWindow(game);
  game.platform.messageBox("ERROR", text, MessageIcon::Exclamation);
  return 0;
}

}  // namespace

void initGlState(Game& game) {
  fpview::uploadSceneTextures(game.firstPerson, game.sprites);
  fpview::applyFixedGlState();
}

int openGlWindow(Game& game, const char* title, int width, int height, int colourBits) {
  return openGlWindow(game, platform::WindowSpec{title, width, height, colourBits, DepthBits});
}

int openGlWindow(Game& game, const platform::WindowSpec& spec) {
  platform::Platform& p = game.platform;
  if (const auto failed = p.openWindow(spec)) {
    // Nothing exists yet when the class itself could not be registered, so there is nothing to undo.
    if (*failed == OpenStep::RegisterClass) {
      p.messageBox("ERROR", openFailureText(*failed), MessageIcon::Exclamation);
      return 0;
    }
    return failOpen(game, openFailureText(*failed));
  }
  fpview::setProjection();
  initGlState(game);  // cannot fail, so its "Initialization Failed." message never shows
  return 1;
}

int createGameWindow(Game& game) {
  char title[100];
  std::snprintf(title, sizeof title, "GAME");
  const ScreenMode& m = game.screen.mode;
  game.shown.windowBlank = true;
  const int opened = game.settings.comfort
                         ? openGlWindow(game, comfortWindowSpec(game.comfortWindow, m, game.platform.displayArea()))
                         : openGlWindow(game, title, m.width * m.pixelZoom, m.height * m.pixelZoom, 16);
  if (!opened) return 0;
  game.platform.showCursor(false);
  return 1;
}

void destroyGameWindow(Game& game) {
  if (game.settings.comfort) noteComfortWindowClosing(game);
  const platform::CloseReport report = game.platform.closeWindow();
  for (const TeardownText& t : TeardownTexts)
    if (report.failedAt(t.step)) game.platform.messageBox("SHUTDOWN ERROR", t.text, MessageIcon::Information);
}

}  // namespace gloam::shell
