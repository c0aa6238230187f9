// Ctrl+C in the terminal the game was started from (and SIGTERM where there is one) becomes a
// close request, taken once, so a run without a usable window can still be ended cleanly: the
// pass finishes and shutdown runs.
#pragma once

namespace gloam::platform {

void installCloseSignals();
bool takeCloseSignal();

}  // namespace gloam::platform
