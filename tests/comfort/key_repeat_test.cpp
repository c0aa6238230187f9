// Held-key repeat counted in passes: the press acts at once, the first repeat comes after 250 ms
// of holding and the rest at 20 a second, at pass rates above and below the repeat rate.
#include <gtest/gtest.h>

#include <vector>

#include "comfort/key_repeat.hpp"
#include "comfort/pass_timing.hpp"

namespace gloam::comfort {
namespace {

// The passes (counted from the press, 0) on which a key held for `passes` passes acted, once per
// action.
std::vector<int> actingPasses(int passesPerSecond, int passes) {
  const RepeatTiming timing = repeatTiming(passesPerSecond);
  KeyRepeat key;
  std::vector<int> out;
  for (int i = 0; i < passes; ++i)
    for (int k = repeatActions(key, true, timing); k > 0; --k) out.push_back(i);
  return out;
}

TEST(KeyRepeat, PressActsOnceThenRepeatsAfterTheDelayAtTwentyASecond) {
  struct Case {
    int passesPerSecond;
    int passes;
    std::vector<int> acting;
  };
  const Case cases[] = {
      {60, 25, {0, 15, 18, 21, 24}},     // 250 ms = 15 passes, then every 3rd pass
      {30, 15, {0, 8, 10, 11, 13, 14}},  // 250 ms rounds to 8 passes; 20/s at 30/s is 2 in 3 passes
      {10, 6, {0, 3, 4, 4, 5, 5}},       // slower than the repeat rate: two repeats on a pass
      {1000, 351, {0, 250, 300, 350}},   // a fast loop repeats every 50 passes
  };
  for (const Case& c : cases)
    EXPECT_EQ(actingPasses(c.passesPerSecond, c.passes), c.acting) << c.passesPerSecond << " passes/s";
}

TEST(KeyRepeat, TapsActOncePerPressAndReleaseRestartsTheDelay) {
  const RepeatTiming timing = repeatTiming(60);
  KeyRepeat key;
  int total = 0;
  for (int press = 0; press < 5; ++press) {
    for (int pass = 0; pass < 14; ++pass) total += repeatActions(key, true, timing);  // just short of the delay
    total += repeatActions(key, false, timing);
  }
  EXPECT_EQ(total, 5);
}

TEST(PassTiming, UncappedRunsCountAtTheDefaultRate) {
  EXPECT_EQ(passRateFor(0), 60);
  EXPECT_EQ(passRateFor(144), 144);
}

}  // namespace
}  // namespace gloam::comfort
