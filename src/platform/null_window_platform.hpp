// A Platform without a window: every window, GL and message operation succeeds and does nothing,
// no key is down and sleeps return at once. Tests and fuzz targets derive from it and override
// only the input they script.
#pragma once
#include "platform/platform.hpp"

namespace gloam::platform {

class NullWindowPlatform : public Platform {
 public:
  bool registerWindowClass() override { return true; }
  bool createWindow(const char*, int, int) override { return true; }
  bool acquireDeviceContext() override { return true; }
  bool choosePixelFormat(int, int) override { return true; }
  bool setPixelFormat() override { return true; }
  bool createGlContext() override { return true; }
  bool makeContextCurrent() override { return true; }
  void showWindow() override {}
  bool hasGlContext() const override { return false; }
  bool releaseCurrentContext() override { return true; }
  bool deleteGlContext() override { return true; }
  bool hasDeviceContext() const override { return false; }
  bool releaseDeviceContext() override { return true; }
  bool hasWindow() const override { return false; }
  bool destroyWindow() override { return true; }
  bool unregisterWindowClass() override { return true; }
  void swapBuffers() override {}
  void showCursor(bool) override {}
  void moveWindow(int, int, int, int) override {}
  void messageBox(const char*, const char*, MessageIcon) override {}
  bool keyDown(int) override { return false; }
  Point cursorPos() override { return {}; }
  Rect windowRect() override { return {0, 0, 640, 480}; }
  std::optional<MessageKind> peekMessage() override { return std::nullopt; }
  void sleepMs(int) override {}
  void beginFrame(int, int, int) override {}
};

}  // namespace gloam::platform
