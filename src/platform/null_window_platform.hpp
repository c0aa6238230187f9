// A Platform without a window: every window operation succeeds and does nothing, no key is down,
// no event waits, the clock stands still and pauses are counted. Tests and fuzz targets derive
// from it and override only what they script.
#pragma once
#include "platform/platform.hpp"

namespace gloam::platform {

class NullWindowPlatform : public Platform {
 public:
  explicit NullWindowPlatform(bool pausesAreSlept = false) : Platform(pausesAreSlept) {}

  std::optional<OpenStep> openWindow(const WindowSpec&) override { return std::nullopt; }
  CloseReport closeWindow() override { return {}; }
  void swapBuffers() override {}
  void showCursor(bool) override {}
  void moveWindow(const Rect&) override {}
  void messageBox(const char*, const char*, MessageIcon) override {}
  bool keyDown(int) override { return false; }
  Point cursorPos() override { return {}; }
  Rect windowRect() override { return {0, 0, 640, 480}; }
  std::optional<Rect> displayArea() override { return std::nullopt; }
  std::optional<Event> nextEvent() override { return std::nullopt; }
  Instant now() override { return Instant::zero(); }
  void waitUntil(Instant) override {}
  void beginFrame(int, int, int) override {}
};

}  // namespace gloam::platform
