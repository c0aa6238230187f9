// Scripted input is applied once per loop pass, before anything reads it, so a run is a pure
// function of its seed and its script, as on every other platform.
#include "platform/win32/win32_headless_platform.hpp"

#include <cstdio>

#include "platform/close_signal.hpp"

namespace gloam::platform {

std::unique_ptr<Win32HeadlessPlatform> Win32HeadlessPlatform::open(InputScript script,
                                                                   std::vector<std::string>* messageLog) {
  std::unique_ptr<Win32HeadlessPlatform> p(new Win32HeadlessPlatform());
  p->script_ = ScriptedRun(std::move(script), messageLog);
  installCloseSignals();
  return p;
}

// Nobody sees or resizes the hidden window: it is a bare client area of the size asked for, while
// the game still scales its picture into a resizable or fullscreen one and the scripted cursor is
// placed accordingly.
std::optional<OpenStep> Win32HeadlessPlatform::openWindow(const WindowSpec& spec) {
  rect_ = Rect{spec.left, spec.top, spec.left + spec.width, spec.top + spec.height};
  scaledToFit_ = spec.resizable || spec.fullscreen;
  WindowSpec bare = spec;
  bare.framed = bare.resizable = bare.fullscreen = false;
  return window_.open(bare, false, this);
}

void Win32HeadlessPlatform::messageBox(const char* caption, const char* text, MessageIcon) {
  std::fprintf(stderr, "%s: %s\n", caption, text);
  script_.logMessage(caption, text);
}

std::optional<Event> Win32HeadlessPlatform::nextEvent() {
  if (takeCloseSignal()) input_.post(Event{Event::Kind::Close});
  queue_.pumpAll();  // keep the hidden window's queue drained; nothing in it concerns the game
  return input_.next();
}

void Win32HeadlessPlatform::beginFrame(int frameCounter, int screenWidth, int screenHeight) {
  script_.beginFrame(frameCounter, screenWidth, screenHeight, input_);
}

}  // namespace gloam::platform
