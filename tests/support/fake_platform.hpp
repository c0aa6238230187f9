// A windowless Platform a test drives by hand: the keys it holds answer "down" on every poll, its
// clock moves only when it is waited on, and every window call is recorded in order, with the
// open step and the close steps told to fail.
#pragma once
#include <chrono>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/null_window_platform.hpp"

namespace gloam::testing {

class FakePlatform : public platform::NullWindowPlatform {
 public:
  // Pauses are really waited for, on the fake clock, so that each one is recorded.
  FakePlatform() : NullWindowPlatform(true) {}

  std::set<int> held;
  platform::Instant clock{};
  std::vector<platform::Instant> deadlines;        // every deadline waited for
  std::vector<int> sleeps;                         // the length of every wait, in milliseconds
  std::function<void(FakePlatform&)> duringSleep;  // a key change a user makes while the game stalls
  std::vector<std::string> calls;
  std::optional<platform::OpenStep> failOpenAt;
  unsigned failCloseSteps = 0;  // CloseStep bits

  bool keyDown(int virtualKey) override { return held.count(virtualKey) != 0; }
  platform::Instant now() override { return clock; }
  void waitUntil(platform::Instant deadline) override {
    deadlines.push_back(deadline);
    sleeps.push_back(static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - clock).count()));
    clock = deadline;
    if (duringSleep) duringSleep(*this);
  }

  std::optional<platform::OpenStep> openWindow(const platform::WindowSpec& spec) override {
    calls.push_back("open " + std::to_string(spec.width) + "x" + std::to_string(spec.height));
    return failOpenAt;
  }
  platform::CloseReport closeWindow() override {
    calls.push_back("close");
    return {failCloseSteps};
  }
  void swapBuffers() override { calls.push_back("swap"); }
  void showCursor(bool visible) override { calls.push_back(visible ? "showCursor" : "hideCursor"); }
  void moveWindow(const platform::Rect&) override { calls.push_back("moveWindow"); }
  void messageBox(const char* caption, const char* text, platform::MessageIcon) override {
    calls.push_back(std::string("message ") + caption + ": " + text);
  }
};

}  // namespace gloam::testing
