// Keeps the GL driver loaded for the rest of the process in sanitized builds, so the leak check at
// exit sees the driver's own long-lived allocations as reachable instead of leaked.
#pragma once

namespace gloam::platform {

// Does nothing unless built with AddressSanitizer.
void pinGlDriverForLeakChecks();

}  // namespace gloam::platform
