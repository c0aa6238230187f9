// The frame clock against a clock the test moves by hand: exact deadlines, no drift, no bursts.
#include <gtest/gtest.h>

#include <vector>

#include "shell/frame_clock.hpp"
#include "support/fake_platform.hpp"

namespace gloam::shell {
namespace {

using platform::Instant;
using std::chrono::milliseconds;

constexpr Instant Start{1'000'000};  // the clock's reading before the first pass, not its zero

// Runs passes that each take the given time before the clock is asked to wait; returns every
// deadline waited for.
std::vector<Instant> pace(int fps, const std::vector<int>& passMs) {
  gloam::testing::FakePlatform p;
  p.clock = Start;
  FrameClock clock{fps};
  for (int ms : passMs) {
    p.clock += milliseconds(ms);
    waitForNextPass(clock, p);
  }
  return p.deadlines;
}

TEST(FrameClock, PassesKeepTheCadenceWithoutDriftOrCatchUpBursts) {
  const struct {
    int fps;
    std::vector<int> passMs;  // the work of each pass before it waits
    std::vector<int> waits;   // the deadlines waited for, in ms from the start
  } cases[] = {
      {50, {3, 5, 19, 1}, {23, 43, 63, 83}},  // each pass ends 20 ms after the last, however long its work
      {50, {5, 400, 5, 5}, {25, 445, 465}},   // a 380 ms overrun: the next pass at once, measured from its end
      {50, {5, 25, 5, 5}, {25, 65, 85}},      // 5 ms late: the next at once, the one after back on the grid
      {0, {1, 1, 1}, {}},                     // uncapped never waits
  };
  for (const auto& c : cases) {
    std::vector<Instant> want;
    for (int ms : c.waits) want.push_back(Start + milliseconds(ms));
    EXPECT_EQ(pace(c.fps, c.passMs), want) << c.fps << " " << c.passMs[1];
  }
}

}  // namespace
}  // namespace gloam::shell
