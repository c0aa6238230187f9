// Events are taken from SDL whenever the game calls in (a pass's start, the message drain, a wait)
// and key changes are held back until the next pass begins.
#include "platform/sdl/sdl_platform.hpp"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstdio>

#include "platform/close_signal.hpp"
#include "platform/monotonic_clock.hpp"
#include "platform/pixel_mapping.hpp"
#include "platform/sdl/key_map.hpp"

namespace gloam::platform {
namespace {

// A long wait (one of the game's pauses) still takes the window system's events this often.
constexpr Instant EventInterval = std::chrono::milliseconds(5);

bool isCloseRequest(const SDL_Event& e) {
  return e.type == SDL_QUIT || (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_CLOSE);
}

}  // namespace

std::unique_ptr<SdlPlatform> SdlPlatform::open(const std::string& recordPath, std::uint32_t seed, std::string& error) {
  std::unique_ptr<SdlPlatform> p(new SdlPlatform());
  if (!p->video_.start(nullptr, error)) return nullptr;
  if (!recordPath.empty() && !p->recorder_.open(recordPath, seed)) {
    error = "cannot write " + recordPath;
    return nullptr;
  }
  return p;
}

void SdlPlatform::showCursor(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

void SdlPlatform::messageBox(const char* caption, const char* text, MessageIcon icon) {
  std::fprintf(stderr, "%s: %s\n", caption, text);
  const Uint32 flags = icon == MessageIcon::Exclamation ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION;
  SDL_ShowSimpleMessageBox(flags, caption, text, nullptr);
}

std::optional<Rect> SdlPlatform::displayArea() {
  const int display = window_.handle() ? std::max(0, SDL_GetWindowDisplayIndex(window_.handle())) : 0;
  SDL_Rect r;
  if (SDL_GetDisplayUsableBounds(display, &r) != 0) return std::nullopt;
  return Rect{r.x, r.y, r.x + r.w, r.y + r.h};
}

std::optional<Event> SdlPlatform::nextEvent() {
  takeWindowEvents();
  return input_.next();
}

Instant SdlPlatform::now() { return monotonicNow(); }

void SdlPlatform::waitUntil(Instant deadline) {
  for (;;) {
    takeWindowEvents();
    const Instant current = monotonicNow();
    if (current >= deadline) return;
    sleepUntil(std::min(deadline, current + EventInterval));
  }
}

void SdlPlatform::beginFrame(int frameCounter, int screenWidth, int screenHeight) {
  frame_ = frameCounter;
  takeWindowEvents();
  pending_.release(input_, &recorder_, frameCounter);
  cursor_ = liveCursor();
  const Rect window = window_.rect();
  if (window.width() > 0 && window.height() > 0)
    recorder_.mousePixel(frameCounter, pixelXFrom(cursor_, window, screenWidth),
                         pixelYFrom(cursor_, window, screenHeight));
  recorder_.flush();
}

void SdlPlatform::takeWindowEvents() {
  if (takeCloseSignal()) {
    recorder_.closeRequest(frame_);
    input_.post(Event{Event::Kind::Close});
  }
  SDL_Event event;
  while (SDL_PollEvent(&event)) takeEvent(event);
}

void SdlPlatform::takeEvent(const SDL_Event& e) {
  if (isCloseRequest(e)) {
    recorder_.closeRequest(frame_);
    input_.post(Event{Event::Kind::Close});
  } else if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
    input_.post(Event{Event::Kind::Activate});
  } else if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
    window_.holdMinimumSize();
  } else if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_MOVED) {
    window_.settlePlace();
  } else if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) {
    takeKey(e.key);
  } else if (e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP) {
    if (const int key = virtualKeyForButton(e.button.button)) pending_.key(key, e.type == SDL_MOUSEBUTTONDOWN);
  }
}

void SdlPlatform::takeKey(const SDL_KeyboardEvent& key) {
  const SDL_Scancode code = key.keysym.scancode;
  if (code < 0 || code >= SDL_NUM_SCANCODES) return;
  if (key.type == SDL_KEYDOWN) {
    // A key goes up as what it went down as, even if the layout changed in between.
    if (!key.repeat) pressedAs_[code] = virtualKeyFor(code, key.keysym.sym);
    if (pressedAs_[code]) pending_.key(pressedAs_[code], true);
  } else if (pressedAs_[code]) {
    pending_.key(pressedAs_[code], false);
    pressedAs_[code] = 0;
  }
}

Point SdlPlatform::liveCursor() {
  // SDL caches the global position and misses pointer warps; X's own query is always live.
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window_.handle() && SDL_GetWindowWMInfo(window_.handle(), &info) && info.subsystem == SDL_SYSWM_X11) {
    Window root, child;
    int rootX = 0, rootY = 0, winX = 0, winY = 0;
    unsigned int mask = 0;
    Display* display = info.info.x11.display;
    if (XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &winX, &winY, &mask))
      return {static_cast<float>(rootX), static_cast<float>(rootY)};
  }
  int x = 0, y = 0;
  SDL_GetGlobalMouseState(&x, &y);
  return {static_cast<float>(x), static_cast<float>(y)};
}

}  // namespace gloam::platform
