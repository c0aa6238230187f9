// The speed keys '1', '2' and '3': a unit step every 10, 30 or 60 passes.
#pragma once
#include <optional>

#include "platform/platform.hpp"

namespace gloam::shell {

// The TickDivisor the held speed keys ask for, if any; when several are held the last of '1',
// '2', '3' wins. All three keys are read on every call.
std::optional<float> speedKeyChoice(platform::Platform& platform);

}  // namespace gloam::shell
