#include "shell/frame_clock.hpp"

#include <chrono>

namespace gloam::shell {

void waitForNextPass(FrameClock& clock, platform::Platform& platform) {
  if (clock.fps <= 0) return;
  const platform::Instant period = std::chrono::duration_cast<platform::Instant>(std::chrono::seconds(1)) / clock.fps;
  const platform::Instant now = platform.now();
  if (!clock.started) {
    clock.started = true;
    clock.deadline = now;  // the first pass is measured from its own end
  }
  clock.deadline += period;
  if (now >= clock.deadline + period) {
    clock.deadline = now;  // a long overrun (a pause): start now and measure from here, no burst
    return;
  }
  // A pass that ran a little late (less than a period) starts the next at once and keeps the
  // cadence, so scheduling jitter does not slow the game down.
  if (now < clock.deadline) platform.waitUntil(clock.deadline);
}

}  // namespace gloam::shell
