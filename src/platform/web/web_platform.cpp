// The page's canvas stands where a window would be, at the top-left of its own coordinates, so
// cursor positions (canvas pixels) and the window rectangle share one origin.
#include "platform/web/web_platform.hpp"

#include <emscripten.h>

#include <cstdio>

#include "core/input.hpp"
#include "platform/web/web_page.hpp"

namespace gloam::platform {

namespace {
constexpr const char* CanvasSelector = "#canvas";
constexpr double LivePassMs = 1000.0 / 60.0;
}

WebPlatform::WebPlatform(bool scripted, InputScript script) : scripted_(scripted), script_(std::move(script)) {
  if (!scripted_) page_.listen(CanvasSelector);
}

bool WebPlatform::createWindow(const char* title, int width, int height) {
  gloam_web_set_title(title);
  gloam_web_size_canvas(width, height);
  rect_ = Rect{0, 0, width, height};
  hasWindow_ = true;
  return true;
}

bool WebPlatform::createGlContext() {
  hasContext_ = hasWindow_ && gloam_web_open_context(rect_.right - rect_.left, rect_.bottom - rect_.top) != 0;
  return hasContext_;
}

void WebPlatform::showWindow() { gloam_web_show_canvas(1); }

bool WebPlatform::deleteGlContext() {
  gloam_web_release_context();
  hasContext_ = false;
  return true;
}

bool WebPlatform::destroyWindow() {
  hasWindow_ = false;
  return true;
}

// A scripted run only lets the browser breathe. A live one holds 60 passes a second on the
// browser's clock, sleeping (which lets the page paint) until the pass's slot; a pass that ran
// late starts the count afresh rather than rushing to catch up.
void WebPlatform::swapBuffers() {
  if (scripted_) {
    gloam_web_yield();
    return;
  }
  const double now = emscripten_get_now();
  nextSwapMs_ += LivePassMs;
  if (nextSwapMs_ < now - LivePassMs) nextSwapMs_ = now;
  const double wait = nextSwapMs_ - now;
  if (wait >= 1.0) {
    emscripten_sleep(static_cast<unsigned>(wait));
  } else {
    gloam_web_yield();
  }
}

void WebPlatform::showCursor(bool visible) { gloam_web_show_cursor(visible ? 1 : 0); }

// The canvas cannot leave its place on the page; it takes the size.
void WebPlatform::moveWindow(int, int, int width, int height) {
  gloam_web_size_canvas(width, height);
  rect_ = Rect{0, 0, width, height};
}

void WebPlatform::messageBox(const char* caption, const char* text, MessageIcon) { gloam_web_message(caption, text); }

Point WebPlatform::cursorPos() {
  if (!scripted_) return cursor_;
  return cursorForPixel(scriptMouseX_, scriptMouseY_, rect_, ScreenMode{screenWidth_, screenHeight_, 1});
}

std::optional<MessageKind> WebPlatform::peekMessage() {
  if (!closePending_) return std::nullopt;
  closePending_ = false;
  return MessageKind::Close;
}

void WebPlatform::sleepMs(int milliseconds) {
  if (milliseconds <= 0) return;
  sleptMs_ += milliseconds;
  if (scripted_) {
    gloam_web_yield();
  } else {
    emscripten_sleep(static_cast<unsigned>(milliseconds));
  }
}

void WebPlatform::beginFrame(int frameCounter, int screenWidth, int screenHeight) {
  screenWidth_ = screenWidth;
  screenHeight_ = screenHeight;
  if (scripted_) {
    applyScript(frameCounter);
  } else {
    applyPageInput();
  }
}

void WebPlatform::applyScript(int frameCounter) {
  while (nextScriptEvent_ < script_.events.size() && script_.events[nextScriptEvent_].frame <= frameCounter) {
    const ScriptEvent& e = script_.events[nextScriptEvent_++];
    switch (e.kind) {
      case ScriptEvent::Kind::Down: keys_.press(e.a); break;
      case ScriptEvent::Kind::Up: keys_.release(e.a); break;
      case ScriptEvent::Kind::Mouse:
        scriptMouseX_ = e.a;
        scriptMouseY_ = e.b;
        break;
      case ScriptEvent::Kind::Close: closePending_ = true; break;
    }
  }
}

void WebPlatform::applyPageInput() {
  using Kind = BrowserInputEvent::Kind;
  for (const BrowserInputEvent& e : page_.pending()) {
    switch (e.kind) {
      case Kind::KeyDown:
      case Kind::ButtonDown: keys_.press(e.key); break;
      case Kind::KeyUp:
      case Kind::ButtonUp: keys_.release(e.key); break;
      case Kind::Move: cursor_ = Point{e.x, e.y}; break;
      case Kind::Blur: keys_.releaseAll(); break;
    }
  }
  page_.pending().clear();
}

}  // namespace gloam::platform
