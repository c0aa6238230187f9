// The C runtime's signals on every desktop system: on Windows its SIGINT is the console's Ctrl+C
// (and Ctrl+Break), delivered on a thread of the console's own, which is why the handler only
// sets a flag for the game's thread to take.
#include "platform/close_signal.hpp"

#include <atomic>
#include <csignal>

namespace gloam::platform {
namespace {

std::atomic<bool> closeSignal{false};
static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler may only touch a lock-free flag");

void onCloseSignal(int signal) {
  closeSignal = true;
  std::signal(signal, onCloseSignal);  // some runtimes reset the handler after each signal
}

}  // namespace

void installCloseSignals() {
  std::signal(SIGINT, onCloseSignal);
  std::signal(SIGTERM, onCloseSignal);
}

bool takeCloseSignal() { return closeSignal.exchange(false); }

}  // namespace gloam::platform
