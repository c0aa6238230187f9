// The process's monotonic clock as the door's Instant, and a wait on it.
#pragma once
#include <chrono>
#include <thread>

#include "platform/platform.hpp"

namespace gloam::platform {

inline Instant monotonicNow() {
  return std::chrono::duration_cast<Instant>(std::chrono::steady_clock::now().time_since_epoch());
}

// Sleeps (never spins) until the clock reads `deadline`; the kernel wakes the thread within a
// few tens of microseconds of it.
inline void sleepUntil(Instant deadline) {
  std::this_thread::sleep_until(std::chrono::steady_clock::time_point(deadline));
}

}  // namespace gloam::platform
