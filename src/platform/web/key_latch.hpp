// Key and button state as the game reads it: a key pressed and released between two reads of it
// answers "down" once, so a short tap between two passes is never lost.
#pragma once
#include <array>

namespace gloam::platform {

class KeyLatch {
 public:
  void press(int key) {
    if (!valid(key)) return;
    down_[key] = true;
    latched_[key] = true;
  }
  void release(int key) {
    if (valid(key)) down_[key] = false;
  }
  void releaseAll() { down_.fill(false); }
  bool read(int key) {
    if (!valid(key)) return false;
    const bool answer = down_[key] || latched_[key];
    latched_[key] = false;
    return answer;
  }

 private:
  static bool valid(int key) { return key > 0 && key < 256; }
  std::array<bool, 256> down_{};
  std::array<bool, 256> latched_{};
};

}  // namespace gloam::platform
