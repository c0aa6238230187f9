// The browser platform: the page's canvas is the window, WebGL (through Emscripten's GL 1.1
// emulation) is the GL context, and the game's pauses yield to the browser. Two kinds of run:
// live (keys and mouse from the page, pauses really waited) and scripted (input from an input
// script, pauses counted only), which is what makes a page run match the native headless game.
#pragma once
#include <memory>
#include <string>

#include "platform/headless/input_script.hpp"
#include "platform/platform.hpp"
#include "platform/web/browser_input.hpp"
#include "platform/web/key_latch.hpp"

namespace gloam::platform {

class WebPlatform : public Platform {
 public:
  // `scripted`: take input from `script` instead of the page.
  WebPlatform(bool scripted, InputScript script);

  bool registerWindowClass() override { return true; }
  bool createWindow(const char* title, int width, int height) override;
  bool acquireDeviceContext() override { return hasWindow_; }
  bool choosePixelFormat(int, int) override { return hasWindow_; }
  bool setPixelFormat() override { return hasWindow_; }
  bool createGlContext() override;
  bool makeContextCurrent() override { return hasContext_; }
  void showWindow() override;

  bool hasGlContext() const override { return hasContext_; }
  bool releaseCurrentContext() override { return true; }
  bool deleteGlContext() override;
  bool hasDeviceContext() const override { return false; }
  bool releaseDeviceContext() override { return true; }
  bool hasWindow() const override { return hasWindow_; }
  bool destroyWindow() override;
  bool unregisterWindowClass() override { return true; }

  void swapBuffers() override;
  void showCursor(bool visible) override;
  void moveWindow(int x, int y, int width, int height) override;
  void messageBox(const char* caption, const char* text, MessageIcon icon) override;

  bool keyDown(int virtualKey) override { return keys_.read(virtualKey); }
  Point cursorPos() override;
  Rect windowRect() override { return rect_; }
  std::optional<MessageKind> peekMessage() override;
  void sleepMs(int milliseconds) override;
  void beginFrame(int frameCounter, int screenWidth, int screenHeight) override;

  long long sleptMs() const { return sleptMs_; }
  // A desktop window can record its input; the page cannot.
  bool startRecording(const std::string&, unsigned) { return false; }
  void stopRecording() {}

 private:
  void applyScript(int frameCounter);
  void applyPageInput();

  bool scripted_;
  InputScript script_;
  std::size_t nextScriptEvent_ = 0;
  BrowserInput page_;
  KeyLatch keys_;
  Point cursor_;            // canvas pixels (live)
  int scriptMouseX_ = 0;    // Framebuffer pixels (scripted)
  int scriptMouseY_ = 0;
  int screenWidth_ = 320;
  int screenHeight_ = 240;
  Rect rect_;
  bool hasWindow_ = false;
  bool hasContext_ = false;
  bool closePending_ = false;
  long long sleptMs_ = 0;
  double nextSwapMs_ = 0;  // live: when the latest swap was due to return, on the browser's clock
};

}  // namespace gloam::platform
