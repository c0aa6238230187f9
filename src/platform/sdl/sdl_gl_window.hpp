// One SDL window with its OpenGL compatibility context: what both the windowed and the headless
// platform open, the first on a real display, the second on SDL's offscreen driver. SDL has no
// window classes, device contexts or pixel-format calls, so those steps only keep the bookkeeping
// that closing reports on.
#pragma once
#include <SDL.h>

#include <optional>

#include "platform/platform.hpp"

namespace gloam::platform {

class SdlGlWindow {
 public:
  SdlGlWindow() = default;
  ~SdlGlWindow();
  SdlGlWindow(const SdlGlWindow&) = delete;
  SdlGlWindow& operator=(const SdlGlWindow&) = delete;

  std::optional<OpenStep> open(const WindowSpec& spec);
  CloseReport close();

  void swap();
  void move(const Rect& where);
  Rect rect() const;
  // Sizes a resizable window back up to its minimum after a resize below it: without a window
  // manager (which would refuse such a resize) nothing else keeps it there.
  void holdMinimumSize();
  // A window manager puts a new framed window's frame where its client area was asked for. Once
  // the frame is there (the window's first move), the window moves once more, so that the client
  // area is where it was asked for and re-creating a window does not creep down the screen.
  void settlePlace();
  SDL_Window* handle() const { return window_; }

 private:
  SDL_Window* window_ = nullptr;
  SDL_GLContext context_ = nullptr;
  bool classRegistered_ = false;
  std::optional<SDL_Point> askedPlace_;  // a framed window's client place, until settled
  bool fullscreen_ = false;              // covers its display; moving it does nothing
  int minWidth_ = 0;                     // a resizable window's smallest client area; 0 when it is not resizable
  int minHeight_ = 0;

  bool createWindow(const WindowSpec& spec);
  bool createContext();
};

}  // namespace gloam::platform
