// The thread's Windows message queue, its clock and its waits. Every platform on Windows takes its
// messages here, one at a time as the game drains them, or all at once while it waits.
#pragma once
#include <windows.h>

#include "platform/platform.hpp"

namespace gloam::platform {

class MessageQueue {
 public:
  // Asks for 1 ms timer resolution for as long as the queue lives, so waits end on time.
  MessageQueue();
  ~MessageQueue();
  MessageQueue(const MessageQueue&) = delete;
  MessageQueue& operator=(const MessageQueue&) = delete;

  // Takes one waiting message, translates and dispatches it; false when none was waiting.
  bool pumpOne();
  void pumpAll() {
    while (pumpOne()) {}
  }

  // The performance counter in microseconds.
  Instant now() const;
  // Dispatches messages as they come until the clock reads `deadline`; sleeps in between.
  void waitUntil(Instant deadline);

 private:
  MSG message_{};  // one record for the whole program
  LARGE_INTEGER frequency_{};
};

}  // namespace gloam::platform
