// Held keys in comfort mode: a key acts once on the pass it goes down and, once it has been held
// for the repeat delay, again at the repeat rate, with both counted in passes. A key that only
// answers "down" for a single pass (a tap) acts exactly once.
#pragma once

namespace gloam::comfort {

inline constexpr int RepeatDelayMs = 250;
inline constexpr int RepeatsPerSecond = 20;

struct RepeatTiming {
  int delayPasses;      // passes a key is held before it repeats; at least 1
  int passesPerSecond;  // the pass rate the repeat rate is counted against
};

RepeatTiming repeatTiming(int passesPerSecond);

// One key's repeat state: passes it has been down, 0 on the pass it went down, -1 while up.
struct KeyRepeat {
  long long heldPasses = -1;
};

// Feeds this pass's state of the key; returns how many times it acts on this pass (0, 1, or more
// when the repeat rate is above the pass rate).
int repeatActions(KeyRepeat& key, bool down, const RepeatTiming& timing);

// Once per press: true on the pass a key goes down, whatever happens while it stays down.
inline bool pressedNow(bool& wasDown, bool down) {
  const bool pressed = down && !wasDown;
  wasDown = down;
  return pressed;
}

}  // namespace gloam::comfort
