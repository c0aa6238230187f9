#include "platform/sdl/sdl_video.hpp"

#include <SDL.h>

#include <cstring>

#include "platform/close_signal.hpp"

namespace gloam::platform {
namespace {

bool isRealDisplayDriver(const char* driver) {
  return driver != nullptr && std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0 &&
         std::strcmp(driver, "evdev") != 0;
}

}  // namespace

SdlVideo::~SdlVideo() {
  if (!started_) return;
  // Video is counted per start, so a second platform in the same process keeps it alive.
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  if (SDL_WasInit(0) == 0) SDL_Quit();
}

bool SdlVideo::start(const char* forcedDriver, std::string& error) {
  // The windowed game talks to X directly for the live cursor, so X11 is its driver unless the
  // user's environment says otherwise.
  if (forcedDriver)
    SDL_SetHint(SDL_HINT_VIDEODRIVER, forcedDriver);
  else
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "x11", SDL_HINT_DEFAULT);
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "0");
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error = forcedDriver ? std::string("cannot start video: ") + SDL_GetError()
                         : std::string("no display (") + SDL_GetError() +
                               "): set DISPLAY to an X server, or run with --headless";
    return false;
  }
  started_ = true;
  // Without a display SDL quietly falls back to its offscreen driver; a windowed game must not.
  if (!forcedDriver && !isRealDisplayDriver(SDL_GetCurrentVideoDriver())) {
    error = "no display: set DISPLAY to an X server, or run with --headless";
    return false;
  }
  SDL_DisableScreenSaver();
  installCloseSignals();
  return true;
}

}  // namespace gloam::platform
