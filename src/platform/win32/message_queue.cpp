// Waits sleep on a waitable timer (high resolution where the system has one) and wake early for
// any window message, which is dispatched at once: a key pressed during one of the game's pauses
// is heard when it happens, not when the pause ends.
#include "platform/win32/message_queue.hpp"

#include <mmsystem.h>

namespace gloam::platform {
namespace {

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

HANDLE createWaitTimer() {
  if (HANDLE t = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS))
    return t;
  return CreateWaitableTimerW(nullptr, FALSE, nullptr);
}

}  // namespace

MessageQueue::MessageQueue() {
  QueryPerformanceFrequency(&frequency_);
  timeBeginPeriod(1);
  timer_ = createWaitTimer();
}

MessageQueue::~MessageQueue() {
  if (timer_) CloseHandle(timer_);
  timeEndPeriod(1);
}

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
    LARGE_INTEGER due;
    due.QuadPart = -static_cast<LONGLONG>(remaining.count()) * 10;  // relative, in 100 ns
    if (timer_ && SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE)) {
      MsgWaitForMultipleObjects(1, &timer_, FALSE, INFINITE, QS_ALLINPUT);
    } else {
      const auto ms = static_cast<DWORD>((remaining.count() + 999) / 1000);
      MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
    }
  }
}

}  // namespace gloam::platform
