// The browser platform: the page's canvas is the window, WebGL (through Emscripten's GL 1.1
// emulation) is the GL context, and every wait yields to the browser. Two kinds of run: live (keys
// and mouse from the page, pauses really waited) and scripted (input from an input script, pauses
// counted only), which is what makes a page run match the native headless game.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/input_script.hpp"
#include "platform/input_state.hpp"
#include "platform/platform.hpp"
#include "platform/scripted_run.hpp"
#include "platform/web/browser_input.hpp"

namespace gloam::platform {

class WebPlatform final : public Platform {
 public:
  // A live page: listens to the canvas from now on.
  static std::unique_ptr<WebPlatform> openLive();
  // A scripted run; `messageLog`, if given, also receives every message box as "CAPTION: text".
  static std::unique_ptr<WebPlatform> openScripted(InputScript script, std::vector<std::string>* messageLog);

  std::optional<OpenStep> openWindow(const WindowSpec& spec) override;
  CloseReport closeWindow() override;
  void swapBuffers() override;
  void showCursor(bool visible) override;
  void moveWindow(const Rect& where) override;
  void messageBox(const char* caption, const char* text, MessageIcon icon) override;
  bool keyDown(int virtualKey) override { return input_.read(virtualKey); }
  Point cursorPos() override;
  Rect windowRect() override { return rect_; }
  std::optional<Rect> displayArea() override;
  std::optional<Event> nextEvent() override { return input_.next(); }
  Instant now() override;
  void waitUntil(Instant deadline) override;
  void beginFrame(int frameCounter, int screenWidth, int screenHeight) override;

 private:
  explicit WebPlatform(bool scripted) : Platform(!scripted), scripted_(scripted) {}

  bool scripted_;
  ScriptedRun script_;  // scripted runs
  BrowserInput page_;
  InputState input_;
  Point cursor_;  // canvas pixels (live)
  Rect rect_;
  bool hasContext_ = false;
  bool yieldedSinceSwap_ = false;  // a wait let the browser run since the last swap
};

}  // namespace gloam::platform
