// The frame clock: passes meet the wall clock here and nowhere else. Time in the game is counted
// in passes; the clock only decides when the next pass may start, so it never changes which pass
// anything happens on.
#pragma once
#include "platform/platform.hpp"

namespace gloam::shell {

struct FrameClock {
  int fps = 0;  // target passes a second; 0: uncapped
  bool started = false;
  platform::Instant deadline{};  // when the current pass's share of a second is over
};

// Called once a pass, after presenting: waits until the pass's 1/fps s is over. A pass that
// overran lets the next start at once; one that overran by a whole period or more (a pause, a very
// slow frame) also restarts the count, so no burst of short passes follows it.
void waitForNextPass(FrameClock& clock, platform::Platform& platform);

}  // namespace gloam::shell
