// Comfort mode counts time in passes of the main loop, never on the wall clock, so a scripted run
// behaves the same at any speed. Durations are turned into pass counts at the target pass rate.
#pragma once

namespace gloam::comfort {

inline constexpr int DefaultPassesPerSecond = 60;

// Comfort mode starts at the fastest speed the speed keys offer: a unit step every 10 passes.
inline constexpr float StartTickDivisor = 10.0f;

// The rate pass counts are derived from: the target rate, or the default one when the loop runs
// uncapped (0) and has no rate of its own.
constexpr int passRateFor(int targetFps) { return targetFps > 0 ? targetFps : DefaultPassesPerSecond; }

// Passes that make up `milliseconds` at `passesPerSecond`, rounded to the nearest pass.
constexpr int passesFor(int milliseconds, int passesPerSecond) {
  return static_cast<int>((static_cast<long long>(milliseconds) * passesPerSecond + 500) / 1000);
}

}  // namespace gloam::comfort
