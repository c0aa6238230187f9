// html5.h callbacks. A callback that returns true stops the browser's own handling of the event:
// that is how Tab, the F-keys and the arrows stay with the game while the canvas has focus.
#include "platform/web/browser_input.hpp"

#include <emscripten/html5.h>

#include "platform/web/web_keys.hpp"

namespace gloam::platform {
namespace {

EM_BOOL onKey(int type, const EmscriptenKeyboardEvent* e, void* user) {
  const int key = virtualKeyFor(e->key, e->code);
  if (key == 0) return EM_FALSE;
  auto* input = static_cast<BrowserInput*>(user);
  if (type == EMSCRIPTEN_EVENT_KEYDOWN) {
    input->down(key);  // an auto-repeat too: it types the key again
  } else {
    input->up(key);
  }
  return browserMustNotHandle(key) ? EM_TRUE : EM_FALSE;
}

EM_BOOL onButton(int type, const EmscriptenMouseEvent* e, void* user) {
  const int key = virtualKeyForButton(e->button);
  if (key == 0) return EM_FALSE;
  auto* input = static_cast<BrowserInput*>(user);
  if (type == EMSCRIPTEN_EVENT_MOUSEDOWN) {
    input->move(static_cast<float>(e->targetX), static_cast<float>(e->targetY));
    input->down(key);
  } else {
    input->up(key);
  }
  return EM_FALSE;  // a press must still give the canvas focus
}

EM_BOOL onMove(int, const EmscriptenMouseEvent* e, void* user) {
  static_cast<BrowserInput*>(user)->move(static_cast<float>(e->targetX), static_cast<float>(e->targetY));
  return EM_FALSE;
}

EM_BOOL onBlur(int, const EmscriptenFocusEvent*, void* user) {
  static_cast<BrowserInput*>(user)->releaseAll();
  return EM_FALSE;
}

// Sets every handler the input listens with; with `self` null, removes them (a callback of null
// removes the handlers of that event on that target).
void setHandlers(const char* canvas, BrowserInput* self) {
  const bool on = self != nullptr;
  emscripten_set_keydown_callback(canvas, self, EM_TRUE, on ? onKey : nullptr);
  emscripten_set_keyup_callback(canvas, self, EM_TRUE, on ? onKey : nullptr);
  emscripten_set_mousedown_callback(canvas, self, EM_TRUE, on ? onButton : nullptr);
  emscripten_set_mousemove_callback(canvas, self, EM_TRUE, on ? onMove : nullptr);
  emscripten_set_mouseup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, self, EM_TRUE, on ? onButton : nullptr);
  emscripten_set_blur_callback(canvas, self, EM_TRUE, on ? onBlur : nullptr);
}

}  // namespace

void BrowserInput::listen(const char* canvasSelector) {
  canvasSelector_ = canvasSelector;
  setHandlers(canvasSelector, this);
}

BrowserInput::~BrowserInput() {
  if (canvasSelector_) setHandlers(canvasSelector_, nullptr);
}

void BrowserInput::down(int key) {
  if (key <= 0 || key >= 256) return;
  held_[key] = true;
  pending_.key(key, true);
}

void BrowserInput::up(int key) {
  if (key <= 0 || key >= 256 || !held_[key]) return;
  held_[key] = false;
  pending_.key(key, false);
}

void BrowserInput::releaseAll() {
  for (int key = 1; key < 256; ++key) up(key);
}

}  // namespace gloam::platform
