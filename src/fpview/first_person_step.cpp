// Reading the input once and handing it to the walk. The order of the reads is the order the
// view has always read its keys in, so latched presses are used up the same way.
#include "fpview/first_person_step.hpp"

#include "core/input.hpp"
#include "platform/keys.hpp"

namespace gloam::fpview {

FirstPersonInput readFirstPersonInput(platform::Platform& platform, const ScreenMode& mode, bool keysTypeText) {
  FirstPersonInput in;
  in.walkDown = isKeyDown(platform, vk::LeftButton);
  in.backDown = !keysTypeText && isKeyDown(platform, vk::KeyZ);
  in.lookDown = in.walkDown || isKeyDown(platform, vk::MiddleButton) || isKeyDown(platform, vk::RightButton);
  in.mouseX = mouseX(platform, mode);
  in.mouseY = mouseY(platform, mode);
  return in;
}

void walkFirstPerson(FirstPersonState& state, const FirstPersonWorld& world, const FirstPersonInput& input) {
  const MotionInput motion{input.walkDown, input.backDown, world.frameCounter, world.tickDivisor};
  moveEye(state, world.grid, world.player, world.viewOrigin, motion);
}

}  // namespace gloam::fpview
