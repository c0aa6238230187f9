// Scripted input is applied once per loop pass, before anything reads it, so a run is a pure
// function of its seed and its script.
#include "platform/headless/headless_platform.hpp"

#include <GL/gl.h>

#include <cstdio>

#include "core/input.hpp"

namespace gloam::platform {

std::unique_ptr<HeadlessPlatform> HeadlessPlatform::open(InputScript script, std::string& error) {
  std::unique_ptr<HeadlessPlatform> p(new HeadlessPlatform());
  if (!p->startVideo("offscreen", error)) return nullptr;
  p->script_ = std::move(script);
  return p;
}

bool HeadlessPlatform::createWindow(const char* title, int width, int height) {
  rect_ = Rect{0, 0, width, height};
  return SdlPlatform::createWindow(title, width, height);
}

void HeadlessPlatform::swapBuffers() {
  // A swap of the offscreen driver's pbuffer does not flush, so without this every frame's GL work
  // (each glDrawPixels among it) would pile up unexecuted and the process would grow frame by frame.
  SdlPlatform::swapBuffers();
  glFinish();
}

void HeadlessPlatform::moveWindow(int x, int y, int width, int height) {
  rect_ = Rect{x, y, x + width, y + height};
  SdlPlatform::moveWindow(x, y, width, height);
}

void HeadlessPlatform::messageBox(const char* caption, const char* text, MessageIcon) {
  std::fprintf(stderr, "%s: %s\n", caption, text);
  messages_.push_back(std::string(caption) + ": " + text);
}

bool HeadlessPlatform::keyDown(int virtualKey) { return virtualKey >= 0 && virtualKey < 256 && keys_[virtualKey]; }

Point HeadlessPlatform::cursorPos() {
  // Place the cursor so that the game's own mapping gives back exactly the scripted pixel.
  return cursorForPixel(mouseX_, mouseY_, rect_, ScreenMode{screenWidth_, screenHeight_, 1});
}

Rect HeadlessPlatform::windowRect() { return rect_; }

std::optional<MessageKind> HeadlessPlatform::peekMessage() {
  if (takeCloseSignal() || closePending_) {
    closePending_ = false;
    return MessageKind::Close;
  }
  SdlPlatform::peekMessage();  // keep SDL's queue drained; the offscreen driver sends nothing useful
  return std::nullopt;
}

void HeadlessPlatform::sleepMs(int milliseconds) {
  if (milliseconds > 0) sleptMs_ += milliseconds;
}

void HeadlessPlatform::beginFrame(int frameCounter, int screenWidth, int screenHeight) {
  screenWidth_ = screenWidth;
  screenHeight_ = screenHeight;
  while (nextEvent_ < script_.events.size() && script_.events[nextEvent_].frame <= frameCounter) {
    const ScriptEvent& e = script_.events[nextEvent_++];
    switch (e.kind) {
      case ScriptEvent::Kind::Down: keys_[e.a] = true; break;
      case ScriptEvent::Kind::Up: keys_[e.a] = false; break;
      case ScriptEvent::Kind::Mouse: setMouse(e.a, e.b); break;
      case ScriptEvent::Kind::Close: closePending_ = true; break;
    }
  }
}

}  // namespace gloam::platform
