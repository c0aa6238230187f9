// The repeat is derived from the total of actions due after n passes held, so that any pass rate,
// above or below the repeat rate, gives the right count without drift.
#include "comfort/key_repeat.hpp"

#include <algorithm>

#include "comfort/pass_timing.hpp"

namespace gloam::comfort {
namespace {

// Actions due from the press up to and including pass n of holding.
long long actionsDue(long long n, const RepeatTiming& t) {
  if (n < 0) return 0;
  if (n < t.delayPasses) return 1;
  return 2 + (n - t.delayPasses) * RepeatsPerSecond / t.passesPerSecond;
}

}  // namespace

RepeatTiming repeatTiming(int passesPerSecond) {
  const int rate = std::max(passesPerSecond, 1);
  return {std::max(passesFor(RepeatDelayMs, rate), 1), rate};
}

int repeatActions(KeyRepeat& key, bool down, const RepeatTiming& timing) {
  if (!down) {
    key.heldPasses = -1;
    return 0;
  }
  key.heldPasses += 1;
  return static_cast<int>(actionsDue(key.heldPasses, timing) - actionsDue(key.heldPasses - 1, timing));
}

}  // namespace gloam::comfort
