// Input reaches the game only when a pass begins: the key and button messages that arrived since
// the last pass are applied in order (a tap shorter than a pass is latched), then the system's own
// answer to "which keys are down" (GetAsyncKeyState) lets go of any key held here that is up now,
// released while another window had the keyboard. It never adds a key: a window system that
// missed a release (one made while the window was being re-created) would otherwise hold that key
// down for ever. A window that goes away or loses the keyboard lets go of every key it held, as
// it will not hear their releases. The cursor is read once per pass.
#include "platform/win32/win32_platform.hpp"

#include <cstdio>

#include "platform/close_signal.hpp"
#include "platform/pixel_mapping.hpp"

namespace gloam::platform {
namespace {

// Every key the game or its comfort layer knows has a code below this one; the left and right
// variants of the modifiers above it also report as the plain Shift, Ctrl and Alt below it.
constexpr int KeyCodeEnd = 128;

}  // namespace

std::unique_ptr<Win32Platform> Win32Platform::open(const std::string& recordPath, std::uint32_t seed,
                                                   std::string& error) {
  std::unique_ptr<Win32Platform> p(new Win32Platform());
  if (!recordPath.empty() && !p->recorder_.open(recordPath, seed)) {
    error = "cannot write " + recordPath;
    return nullptr;
  }
  installCloseSignals();
  return p;
}

// ShowCursor keeps a count, and the cursor shows while it is not negative.
void Win32Platform::showCursor(bool visible) {
  if (visible) {
    while (ShowCursor(TRUE) < 0) {}
  } else {
    while (ShowCursor(FALSE) >= 0) {}
  }
}

void Win32Platform::messageBox(const char* caption, const char* text, MessageIcon icon) {
  std::fprintf(stderr, "%s: %s\n", caption, text);
  MessageBoxA(nullptr, text, caption,
              MB_OK | (icon == MessageIcon::Exclamation ? MB_ICONEXCLAMATION : MB_ICONINFORMATION));
}

// One call is one turn of the message drain: a message the game hears of comes back as its
// event, any other is dispatched to the default handling and answered with Other.
std::optional<Event> Win32Platform::nextEvent() {
  if (takeCloseSignal()) closeRequested();
  if (std::optional<Event> e = input_.next()) return e;
  if (!queue_.pumpOne()) return std::nullopt;
  if (std::optional<Event> e = input_.next()) return e;
  return Event{Event::Kind::Other};
}

CloseReport Win32Platform::closeWindow() {
  releaseHeldKeys();
  return window_.close();
}

void Win32Platform::beginFrame(int frameCounter, int screenWidth, int screenHeight) {
  frame_ = frameCounter;
  queue_.pumpAll();
  pending_.release(input_, &recorder_, frameCounter);
  dropKeysLetGoElsewhere();
  takeCursor(screenWidth, screenHeight);
  recorder_.flush();
}

void Win32Platform::closeRequested() {
  recorder_.closeRequest(frame_);
  input_.post(Event{Event::Kind::Close});
}

void Win32Platform::powerRequestSwallowed(bool monitor) {
  input_.post(Event{monitor ? Event::Kind::MonitorPower : Event::Kind::ScreenSave});
}

// The releases go in with the other key changes, so the next pass sees them and a recording
// keeps them.
void Win32Platform::releaseHeldKeys() {
  for (int key = 1; key < KeyCodeEnd; ++key)
    if (input_.held(key)) pending_.key(key, false);
}

void Win32Platform::dropKeysLetGoElsewhere() {
  for (int key = 1; key < KeyCodeEnd; ++key) {
    if (!input_.held(key) || (GetAsyncKeyState(key) & 0x8000) != 0) continue;
    recorder_.keyChange(frame_, key, false);
    input_.hold(key, false);
  }
}

void Win32Platform::takeCursor(int screenWidth, int screenHeight) {
  POINT p{};
  if (GetCursorPos(&p)) cursor_ = Point{static_cast<float>(p.x), static_cast<float>(p.y)};
  const Rect window = window_.rect();
  if (window.width() > 0 && window.height() > 0)
    recorder_.mousePixel(frame_, pixelXFrom(cursor_, window, screenWidth), pixelYFrom(cursor_, window, screenHeight));
}

}  // namespace gloam::platform
