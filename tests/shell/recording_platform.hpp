// A platform that records every call in order and can be told to fail one window step: enough
// to check the shell's creation and teardown order and its messages without any window system.
#pragma once
#include <string>
#include <vector>

#include "platform/platform.hpp"

namespace gloam::shell::testing {

class RecordingPlatform : public platform::Platform {
 public:
  std::vector<std::string> calls;
  std::string failStep;  // the name of the one step that fails, if any

  bool step(const std::string& name) {
    calls.push_back(name);
    return name != failStep;
  }

  bool registerWindowClass() override { return step("registerClass"); }
  bool createWindow(const char*, int w, int h) override {
    width = w;
    height = h;
    window = step("createWindow");
    return window;
  }
  bool acquireDeviceContext() override { return dc = step("getDc"); }
  bool choosePixelFormat(int, int) override { return step("choosePixelFormat"); }
  bool setPixelFormat() override { return step("setPixelFormat"); }
  bool createGlContext() override { return context = step("createContext"); }
  bool makeContextCurrent() override { return step("makeCurrent"); }
  void showWindow() override { calls.push_back("show"); }
  bool hasGlContext() const override { return context; }
  bool releaseCurrentContext() override { return step("releaseCurrent"); }
  bool deleteGlContext() override {
    context = false;
    return step("deleteContext");
  }
  bool hasDeviceContext() const override { return dc; }
  bool releaseDeviceContext() override {
    dc = false;
    return step("releaseDc");
  }
  bool hasWindow() const override { return window; }
  bool destroyWindow() override {
    window = false;
    return step("destroyWindow");
  }
  bool unregisterWindowClass() override { return step("unregisterClass"); }
  void swapBuffers() override { calls.push_back("swap"); }
  void showCursor(bool visible) override { calls.push_back(visible ? "showCursor" : "hideCursor"); }
  void moveWindow(int, int, int, int) override { calls.push_back("moveWindow"); }
  void messageBox(const char* caption, const char* text, platform::MessageIcon) override {
    calls.push_back(std::string("message ") + caption + ": " + text);
  }
  bool keyDown(int) override { return false; }
  platform::Point cursorPos() override { return {}; }
  platform::Rect windowRect() override { return {0, 0, width, height}; }
  std::optional<platform::MessageKind> peekMessage() override { return std::nullopt; }
  void sleepMs(int) override {}
  void beginFrame(int, int, int) override {}

  int width = 0, height = 0;
  bool window = false, dc = false, context = false;
};

}  // namespace gloam::shell::testing
