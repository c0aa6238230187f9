// An in-memory Platform for console tests: the keys a test holds answer "down" on every poll,
// and every sleep is recorded instead of slept. Window operations do nothing (NullWindowPlatform).
#pragma once
#include <functional>
#include <numeric>
#include <set>
#include <vector>

#include "platform/null_window_platform.hpp"

namespace gloam::console::testing {

class FakePlatform : public platform::NullWindowPlatform {
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
};

}  // namespace gloam::console::testing
