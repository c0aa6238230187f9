// An in-memory Platform for console tests: the keys a test holds answer "down" on every poll,
// and every pause is recorded instead of slept. Window operations do nothing (NullWindowPlatform).
#pragma once
#include <chrono>
#include <functional>
#include <set>
#include <vector>

#include "platform/null_window_platform.hpp"

namespace gloam::console::testing {

class FakePlatform : public platform::NullWindowPlatform {
 public:
  // Pauses go through waitUntil on a clock that stands at zero, so each deadline is the length of
  // its pause.
  FakePlatform() : NullWindowPlatform(true) {}

  std::set<int> held;
  std::vector<int> sleeps;
  std::function<void(FakePlatform&)> duringSleep;  // a key change a user makes while the game stalls

  bool keyDown(int virtualKey) override { return held.count(virtualKey) != 0; }
  void waitUntil(platform::Instant deadline) override {
    sleeps.push_back(static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(deadline).count()));
    if (duringSleep) duringSleep(*this);
  }
};

}  // namespace gloam::console::testing
