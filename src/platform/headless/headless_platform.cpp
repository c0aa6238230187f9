// Scripted input is applied once per loop pass, before anything reads it, so a run is a pure
// function of its seed and its script.
#include "platform/headless/headless_platform.hpp"

#include <GL/gl.h>
#include <SDL.h>

#include <cstdio>

#include "platform/close_signal.hpp"
#include "platform/monotonic_clock.hpp"
#include "platform/sdl/sdl_video.hpp"

namespace gloam::platform {

std::unique_ptr<HeadlessPlatform> HeadlessPlatform::open(InputScript script, std::vector<std::string>* messageLog,
                                                         std::string& error) {
  std::unique_ptr<HeadlessPlatform> p(new HeadlessPlatform());
  if (!p->video_.start("offscreen", error)) return nullptr;
  p->script_ = ScriptedRun(std::move(script), messageLog);
  return p;
}

std::optional<OpenStep> HeadlessPlatform::openWindow(const WindowSpec& spec) {
  // There is no display to cover and no player to resize it: the window keeps the size asked
  // for, but the game still scales its picture into it, and the cursor is placed accordingly.
  rect_ = Rect{spec.left, spec.top, spec.left + spec.width, spec.top + spec.height};
  scaledToFit_ = spec.resizable || spec.fullscreen;
  WindowSpec fixed = spec;
  fixed.fullscreen = false;
  return window_.open(fixed);
}

void HeadlessPlatform::swapBuffers() {
  // A swap of the offscreen driver's pbuffer does not flush, so without this every frame's GL work
  // would pile up unexecuted and the process would grow frame by frame.
  window_.swap();
  glFinish();
}

void HeadlessPlatform::moveWindow(const Rect& where) {
  rect_ = where;
  window_.move(where);
}

void HeadlessPlatform::messageBox(const char* caption, const char* text, MessageIcon) {
  std::fprintf(stderr, "%s: %s\n", caption, text);
  script_.logMessage(caption, text);
}

Point HeadlessPlatform::cursorPos() { return script_.cursorPos(rect_, scaledToFit_); }

std::optional<Event> HeadlessPlatform::nextEvent() {
  if (takeCloseSignal()) input_.post(Event{Event::Kind::Close});
  SDL_PumpEvents();  // keep SDL's queue drained; the offscreen driver sends nothing the game uses
  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  return input_.next();
}

Instant HeadlessPlatform::now() { return monotonicNow(); }

void HeadlessPlatform::waitUntil(Instant deadline) { sleepUntil(deadline); }

void HeadlessPlatform::beginFrame(int frameCounter, int screenWidth, int screenHeight) {
  script_.beginFrame(frameCounter, screenWidth, screenHeight, input_);
}

}  // namespace gloam::platform
