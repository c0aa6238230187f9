#include "platform/sdl/sdl_gl_window.hpp"

#include <algorithm>

#include "platform/sdl/driver_pin.hpp"
#include "platform/sdl/window_icon.hpp"

namespace gloam::platform {
namespace {

// The desktop's fullscreen leaves the display's mode alone. A fullscreen window is a bare window
// made at the display's bounds: under X, SDL's fullscreen is a request to a window manager, and
// where there is none nothing else would size it.
Uint32 windowFlags(const WindowSpec& spec) {
  Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
  if (spec.fullscreen) return flags | SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP;
  if (!spec.framed) flags |= SDL_WINDOW_BORDERLESS;
  if (spec.resizable) flags |= SDL_WINDOW_RESIZABLE;
  return flags;
}

// Where the window goes: as asked, or for fullscreen the bounds of the display that holds the
// centre of what was asked.
SDL_Rect placement(const WindowSpec& spec) {
  SDL_Rect asked{spec.left, spec.top, spec.width, spec.height};
  if (!spec.fullscreen) return asked;
  const SDL_Point centre{spec.left + spec.width / 2, spec.top + spec.height / 2};
  SDL_Rect bounds;
  if (SDL_GetDisplayBounds(std::max(0, SDL_GetPointDisplayIndex(&centre)), &bounds) != 0) return asked;
  return bounds;
}

}  // namespace

SdlGlWindow::~SdlGlWindow() {
  if (context_) SDL_GL_DeleteContext(context_);
  if (window_) SDL_DestroyWindow(window_);
}

std::optional<OpenStep> SdlGlWindow::open(const WindowSpec& spec) {
  classRegistered_ = true;
  if (!createWindow(spec)) return OpenStep::CreateWindow;
  if (spec.colourBits <= 0 || spec.depthBits <= 0) return OpenStep::ChooseFormat;
  if (!createContext()) return OpenStep::CreateContext;
  if (SDL_GL_MakeCurrent(window_, context_) != 0) return OpenStep::ActivateContext;
  SDL_GL_SetSwapInterval(0);  // the frame clock sets the pace, not the display
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);
  return std::nullopt;
}

bool SdlGlWindow::createWindow(const WindowSpec& spec) {
  // X chooses the visual when the window is made, so the pixel format's attributes go in first.
  // The key colour of the scene readback needs 8 bits a channel, whatever depth is asked for.
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, spec.depthBits);
  const SDL_Rect at = placement(spec);
  window_ = SDL_CreateWindow(spec.title, at.x, at.y, at.w, at.h, windowFlags(spec));
  if (!window_) return false;
  if (spec.framed) setWindowIcon(window_);
  fullscreen_ = spec.fullscreen;
  askedPlace_ = spec.framed && !spec.fullscreen ? std::optional<SDL_Point>(SDL_Point{at.x, at.y}) : std::nullopt;
  const bool resizable = spec.resizable && !spec.fullscreen;
  minWidth_ = resizable ? std::max(1, spec.minWidth) : 0;
  minHeight_ = resizable ? std::max(1, spec.minHeight) : 0;
  if (resizable) SDL_SetWindowMinimumSize(window_, minWidth_, minHeight_);
  return true;
}

bool SdlGlWindow::createContext() {
  context_ = SDL_GL_CreateContext(window_);
  if (context_) pinGlDriverForLeakChecks();
  return context_ != nullptr;
}

CloseReport SdlGlWindow::close() {
  CloseReport report;
  auto fail = [&report](bool ok, CloseStep step) {
    if (!ok) report.failed |= static_cast<unsigned>(step);
  };
  if (context_) {
    fail(SDL_GL_MakeCurrent(window_, nullptr) == 0, CloseStep::ReleaseContext);
    SDL_GL_DeleteContext(context_);
    context_ = nullptr;
  }
  if (window_) {
    SDL_DestroyWindow(window_);
    window_ = nullptr;
  }
  fail(classRegistered_, CloseStep::UnregisterClass);
  classRegistered_ = false;
  return report;
}

void SdlGlWindow::swap() {
  if (window_) SDL_GL_SwapWindow(window_);
}

void SdlGlWindow::move(const Rect& where) {
  if (!window_ || fullscreen_) return;
  SDL_SetWindowPosition(window_, where.left, where.top);
  SDL_SetWindowSize(window_, where.width(), where.height());
}

void SdlGlWindow::settlePlace() {
  if (!window_ || !askedPlace_) return;
  int x = 0, y = 0;
  SDL_GetWindowPosition(window_, &x, &y);
  if (x != askedPlace_->x || y != askedPlace_->y) SDL_SetWindowPosition(window_, askedPlace_->x, askedPlace_->y);
  askedPlace_.reset();
}

void SdlGlWindow::holdMinimumSize() {
  if (!window_ || minWidth_ == 0) return;
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  if (w < minWidth_ || h < minHeight_) SDL_SetWindowSize(window_, std::max(w, minWidth_), std::max(h, minHeight_));
}

Rect SdlGlWindow::rect() const {
  Rect r;
  if (!window_) return r;
  int w = 0, h = 0;
  SDL_GetWindowPosition(window_, &r.left, &r.top);
  SDL_GetWindowSize(window_, &w, &h);
  r.right = r.left + w;
  r.bottom = r.top + h;
  return r;
}

}  // namespace gloam::platform
