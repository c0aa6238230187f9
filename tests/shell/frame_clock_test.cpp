// The frame clock against a clock the test moves by hand: exact deadlines, no drift, no bursts.
#include <gtest/gtest.h>

#include <vector>

#include "platform/null_window_platform.hpp"
#include "shell/frame_clock.hpp"

namespace gloam::shell {
namespace {

using std::chrono::milliseconds;
using platform::Instant;

class ManualClock : public platform::NullWindowPlatform {
 public:
  Instant t{1'000'000};
  std::vector<Instant> waits;  // every deadline waited for, as an offset from the start
  Instant now() override { return t; }
  void waitUntil(Instant deadline) override {
    waits.push_back(deadline - Instant{1'000'000});
    t = deadline;
  }
};

// Runs passes that each take the given time before the clock is asked to wait.
std::vector<Instant> pace(int fps, std::initializer_list<int> passMs) {
  ManualClock p;
  FrameClock clock{fps};
  for (int ms : passMs) {
    p.t += milliseconds(ms);
    waitForNextPass(clock, p);
  }
  return p.waits;
}

TEST(FrameClock, FastPassesWaitForTheirShareOfASecondWithoutDrift) {
  // At 50 a second each pass ends 20 ms after the previous one, however long its work took.
  EXPECT_EQ(pace(50, {3, 5, 19, 1}), (std::vector<Instant>{milliseconds(23), milliseconds(43), milliseconds(63),
                                                             milliseconds(83)}));
}

TEST(FrameClock, AnOverrunStartsTheNextPassAtOnceWithNoCatchUpBurst) {
  // The second pass overruns by 380 ms (a pause); the third is measured from the overrun's end.
  EXPECT_EQ(pace(50, {5, 400, 5, 5}),
            (std::vector<Instant>{milliseconds(25), milliseconds(445), milliseconds(465)}));
}

TEST(FrameClock, APassALittleLateKeepsTheCadence) {
  // The second pass ends 5 ms past its deadline: the third starts at once and the fourth is back
  // on the 20 ms grid.
  EXPECT_EQ(pace(50, {5, 25, 5, 5}), (std::vector<Instant>{milliseconds(25), milliseconds(65), milliseconds(85)}));
}

TEST(FrameClock, UncappedNeverWaits) { EXPECT_TRUE(pace(0, {1, 1, 1}).empty()); }

}  // namespace
}  // namespace gloam::shell
