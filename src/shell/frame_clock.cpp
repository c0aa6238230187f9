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
  if (clock.deadline <= now) {
    clock.deadline = now;  // overran: start the next pass now and measure from here
    return;
  }
  platform.waitUntil(clock.deadline);
}

}  // namespace gloam::shell
