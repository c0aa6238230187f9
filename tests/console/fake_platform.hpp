// An in-memory Platform for console tests: the keys a test holds answer "down" on every poll,
// and every sleep is recorded instead of slept. Window operations do nothing.
#pragma once
#include <functional>
#include <numeric>
#include <set>
#include <vector>

#include "platform/platform.hpp"

namespace gloam::console::testing {

class FakePlatform : public platform::Platform {
 public:
  std::set<int> held;
  std::vector<int> sleeps;
  std::function<void(FakePlatform&)> duringSleep;  // a key change a user makes while the game stalls

  int sleptMs() const { return std::accumulate(sleeps.begin(), sleeps.end(), 0); }

  bool keyDown(int virtualKey) override { return held.count(virtualKey) != 0; }
  void sleepMs(int milliseconds) override {
    sleeps.push_back(milliseconds);
    if (duringSleep) duringSleep(*this);
  }

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
  void messageBox(const char*, const char*, platform::MessageIcon) override {}
  platform::Point cursorPos() override { return {}; }
  platform::Rect windowRect() override { return {0, 0, 640, 480}; }
  std::optional<platform::MessageKind> peekMessage() override { return std::nullopt; }
  void beginFrame(int, int, int) override {}
};

}  // namespace gloam::console::testing
