// Waits sleep in steps of at most a few milliseconds and dispatch the window's messages between
// them, so a key pressed during one of the game's pauses is heard when it happens, not when the
// pause ends. (A wait for messages, MsgWaitForMultipleObjects, would wake sooner, but under Wine it
// can sleep on long after its timeout once a window has been re-created.) With the timer
// resolution at 1 ms a wait ends within a millisecond after its deadline (it is rounded up, never
// down, so it never spins); the frame clock keeps its deadlines on a fixed grid, so that
// millisecond does not add up over passes.
#include "platform/win32/message_queue.hpp"

#include <mmsystem.h>

namespace gloam::platform {
namespace {

// The longest a wait goes without taking the window's messages.
constexpr long long MessageIntervalMs = 5;

}  // namespace

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
    const long long ms = (remaining.count() + 999) / 1000;
    Sleep(static_cast<DWORD>(ms < MessageIntervalMs ? ms : MessageIntervalMs));
  }
}

}  // namespace gloam::platform
