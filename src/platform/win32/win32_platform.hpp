// The windowed platform on Windows: a Win32 window with a WGL context, the game's own window
// procedure, and the keyboard and mouse asked of the system (GetAsyncKeyState, GetCursorPos) as
// well as heard through the window's key and button messages.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "platform/input_recorder.hpp"
#include "platform/input_state.hpp"
#include "platform/pending_input.hpp"
#include "platform/platform.hpp"
#include "platform/win32/message_queue.hpp"
#include "platform/win32/wgl_window.hpp"
#include "platform/win32/window_procedure.hpp"

namespace gloam::platform {

class Win32Platform final : public Platform, private WindowMessages {
 public:
  // With a `recordPath`, every pass's input goes there as an input script. On failure returns
  // null and says why in `error`.
  static std::unique_ptr<Win32Platform> open(const std::string& recordPath, std::uint32_t seed, std::string& error);

  std::optional<OpenStep> openWindow(const WindowSpec& spec) override { return window_.open(spec, true, this); }
  CloseReport closeWindow() override;
  void swapBuffers() override { window_.swap(); }
  void showCursor(bool visible) override;
  void moveWindow(const Rect& where) override { window_.move(where); }
  void messageBox(const char* caption, const char* text, MessageIcon icon) override;
  bool keyDown(int virtualKey) override { return input_.read(virtualKey); }
  Point cursorPos() override { return cursor_; }
  Rect windowRect() override { return window_.rect(); }
  std::optional<Rect> displayArea() override { return window_.workArea(); }
  std::optional<Event> nextEvent() override;
  Instant now() override { return queue_.now(); }
  void waitUntil(Instant deadline) override { queue_.waitUntil(deadline); }
  void beginFrame(int frameCounter, int screenWidth, int screenHeight) override;
  bool recordingCutShort() const override { return recorder_.cutShort(); }

 private:
  Win32Platform() : Platform(true) {}

  void activated() override { input_.post(Event{Event::Kind::Activate}); }
  void closeRequested() override;
  void powerRequestSwallowed(bool monitor) override;
  POINT minimumTrackSize() override { return window_.minimumTrackSize(); }
  void keyChanged(int virtualKey, bool down) override { pending_.key(virtualKey, down); }
  void focusLost() override { releaseHeldKeys(); }

  void releaseHeldKeys();
  void dropKeysLetGoElsewhere();
  void takeCursor(int screenWidth, int screenHeight);

  MessageQueue queue_;
  WglWindow window_;
  InputState input_;
  PendingInput pending_;  // heard from the window, not yet shown to the game
  InputRecorder recorder_;
  Point cursor_;
  int frame_ = 0;
};

}  // namespace gloam::platform
