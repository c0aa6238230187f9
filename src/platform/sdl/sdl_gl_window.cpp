#include "platform/sdl/sdl_gl_window.hpp"

#include "platform/sdl/driver_pin.hpp"

namespace gloam::platform {

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
  window_ = SDL_CreateWindow(spec.title, 0, 0, spec.width, spec.height,
                             SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
  return window_ != nullptr;
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
  if (!window_) return;
  SDL_SetWindowPosition(window_, where.left, where.top);
  SDL_SetWindowSize(window_, where.width(), where.height());
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
