// Waits sleep in MsgWaitForMultipleObjects, which also wakes for any window message; the message is
// dispatched at once, so a key pressed during one of the game's pauses is heard when it happens,
// not when the pause ends. With the timer resolution at 1 ms a wait ends within a millisecond
// after its deadline (it is rounded up, never down, so it never spins); the frame clock keeps its
// deadlines on a fixed grid, so that millisecond does not add up over passes.
#include "platform/win32/message_queue.hpp"

#include <mmsystem.h>

namespace gloam::platform {

MessageQueue::MessageQueue() {
  QueryPerformanceFrequency(&frequency_);
  timeBeginPeriod(1);
}

MessageQueue::~MessageQueue() { timeEndPeriod(1); }

bool MessageQueue::pumpOne() {
  if (!PeekMessageA(&message_, nullptr, 0, 0, PM_REMOVE)) return false;
  TranslateMessage(&message_);
  DispatchMessageA(&message_);
  return true;
}

Instant MessageQueue::now() const {
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  const long long f = frequency_.QuadPart;
  const long long c = counter.QuadPart;
  return Instant((c / f) * 1'000'000 + (c % f) * 1'000'000 / f);
}

void MessageQueue::waitUntil(Instant deadline) {
  for (;;) {
    pumpAll();
    const Instant remaining = deadline - now();
    if (remaining <= Instant::zero()) return;
    const auto ms = static_cast<DWORD>((remaining.count() + 999) / 1000);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
  }
}

}  // namespace gloam::platform
