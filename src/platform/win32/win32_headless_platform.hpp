// The headless platform on Windows: the same WGL code on a window that is never shown, with keys
// and mouse from an input script and pauses counted, not slept. No display is needed beyond the
// one every Windows session has.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/input_script.hpp"
#include "platform/input_state.hpp"
#include "platform/platform.hpp"
#include "platform/scripted_run.hpp"
#include "platform/win32/message_queue.hpp"
#include "platform/win32/wgl_window.hpp"
#include "platform/win32/window_procedure.hpp"

namespace gloam::platform {

class Win32HeadlessPlatform final : public Platform, private WindowMessages {
 public:
  // `messageLog`, if given, also receives every message box as "CAPTION: text".
  static std::unique_ptr<Win32HeadlessPlatform> open(InputScript script, std::vector<std::string>* messageLog);

  std::optional<OpenStep> openWindow(const WindowSpec& spec) override;
  CloseReport closeWindow() override { return window_.close(); }
  void swapBuffers() override { window_.swap(); }
  void showCursor(bool) override {}
  void moveWindow(const Rect& where) override { rect_ = where; }
  void messageBox(const char* caption, const char* text, MessageIcon icon) override;
  bool keyDown(int virtualKey) override { return input_.read(virtualKey); }
  Point cursorPos() override { return script_.cursorPos(rect_, scaledToFit_); }
  Rect windowRect() override { return rect_; }
  std::optional<Rect> displayArea() override { return std::nullopt; }
  std::optional<Event> nextEvent() override;
  Instant now() override { return queue_.now(); }
  void waitUntil(Instant deadline) override { queue_.waitUntil(deadline); }
  void beginFrame(int frameCounter, int screenWidth, int screenHeight) override;

 private:
  Win32HeadlessPlatform() : Platform(false) {}

  // The script is the only input; what the hidden window hears is not the game's business.
  void activated() override {}
  void closeRequested() override {}
  void powerRequestSwallowed(bool) override {}
  POINT minimumTrackSize() override { return window_.minimumTrackSize(); }
  void keyChanged(int, bool) override {}
  void focusLost() override {}

  MessageQueue queue_;
  WglWindow window_;
  InputState input_;
  ScriptedRun script_;
  Rect rect_;                 // where the window would be on a screen
  bool scaledToFit_ = false;  // a resizable or fullscreen window: the mouse maps through the picture
};

}  // namespace gloam::platform
