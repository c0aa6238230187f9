// Looking around by dragging: while a mouse button stays held from one pass to the next, the view
// turns by how far the mouse moved between them, with the classic look's sensitivity (2 degrees
// of turn per Framebuffer pixel across, 1 degree of tilt per pixel up or down). Pressing a button
// never moves the view, and a drag one way and back by the same amount gives the same angles.
#pragma once
#include "core/screen.hpp"
#include "fpview/first_person_state.hpp"

namespace gloam::comfort {

inline constexpr float DragYawPerPixel = 2.0f;    // degrees; moving right turns as the classic look does
inline constexpr float DragPitchPerPixel = 1.0f;  // degrees; moving up tilts the view up
// The tilt stays within what the classic look can reach: straight down (0) up to 239 degrees.
inline constexpr float LowestPitch = -static_cast<float>(FirstPersonMode.height - 1);
inline constexpr float HighestPitch = 0.0f;

struct DragLook {
  bool held = false;  // a button was held when the view last looked
  int lastPass = -2;  // the FrameCounter of that pass
  int lastX = 0;      // the mouse then, Framebuffer pixels
  int lastY = 0;
};

// One pass of the first-person view: turns by the mouse's move since the last pass if a button
// was held on both (and the view was shown on both), then remembers this pass's button and mouse.
void dragLook(DragLook& drag, fpview::FirstPersonState& view, int frameCounter, bool buttonDown, int mouseX,
              int mouseY);

}  // namespace gloam::comfort
