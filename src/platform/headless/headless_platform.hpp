// The headless platform: the SDL window and GL code on SDL's offscreen driver (a real Mesa EGL
// context, no display), with keys and mouse from an input script and pauses counted, not slept.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/input_script.hpp"
#include "platform/input_state.hpp"
#include "platform/platform.hpp"
#include "platform/scripted_run.hpp"
#include "platform/sdl/sdl_gl_window.hpp"
#include "platform/sdl/sdl_video.hpp"

namespace gloam::platform {

class HeadlessPlatform final : public Platform {
 public:
  // `messageLog`, if given, also receives every message box as "CAPTION: text".
  static std::unique_ptr<HeadlessPlatform> open(InputScript script, std::vector<std::string>* messageLog,
                                                std::string& error);

  std::optional<OpenStep> openWindow(const WindowSpec& spec) override;
  CloseReport closeWindow() override { return window_.close(); }
  void swapBuffers() override;
  void showCursor(bool) override {}
  void moveWindow(const Rect& where) override;
  void messageBox(const char* caption, const char* text, MessageIcon icon) override;
  bool keyDown(int virtualKey) override { return input_.read(virtualKey); }
  Point cursorPos() override;
  Rect windowRect() override { return rect_; }
  std::optional<Rect> displayArea() override { return std::nullopt; }
  std::optional<Event> nextEvent() override;
  Instant now() override;
  void waitUntil(Instant deadline) override;
  void beginFrame(int frameCounter, int screenWidth, int screenHeight) override;

 private:
  HeadlessPlatform() : Platform(false) {}

  SdlVideo video_;
  SdlGlWindow window_;
  InputState input_;
  ScriptedRun script_;
  Rect rect_;                 // where the window would be on a screen
  bool scaledToFit_ = false;  // a resizable or fullscreen window: the mouse maps through the picture
};

}  // namespace gloam::platform
