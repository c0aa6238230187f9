// The table of speed keys, tested in its order.
#include "shell/speed_keys.hpp"

#include "core/input.hpp"
#include "platform/keys.hpp"

namespace gloam::shell {
namespace {

struct SpeedKey {
  int virtualKey;
  float tickDivisor;
};
constexpr SpeedKey SpeedKeys[] = {{vk::digit(1), 10.0f}, {vk::digit(2), 30.0f}, {vk::digit(3), 60.0f}};

}  // namespace

std::optional<float> speedKeyChoice(platform::Platform& platform) {
  std::optional<float> choice;
  for (const SpeedKey& k : SpeedKeys)
    if (isKeyDown(platform, k.virtualKey)) choice = k.tickDivisor;
  return choice;
}

}  // namespace gloam::shell
