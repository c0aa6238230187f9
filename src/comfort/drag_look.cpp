// The turn is integer pixels times whole degrees, so the angles stay whole numbers and a drag
// back undoes a drag exactly. The turn is left unbounded: every direction is reachable either way.
#include "comfort/drag_look.hpp"

#include <algorithm>

namespace gloam::comfort {

void dragLook(DragLook& drag, fpview::FirstPersonState& view, int frameCounter, bool buttonDown, int mouseX,
              int mouseY) {
  if (buttonDown && drag.held && drag.lastPass == frameCounter - 1) {
    view.viewYaw -= DragYawPerPixel * static_cast<float>(mouseX - drag.lastX);
    view.viewPitch = std::clamp(view.viewPitch - DragPitchPerPixel * static_cast<float>(mouseY - drag.lastY),
                                LowestPitch, HighestPitch);
  }
  drag.held = buttonDown;
  drag.lastPass = frameCounter;
  drag.lastX = mouseX;
  drag.lastY = mouseY;
}

}  // namespace gloam::comfort
