// Polled input: key level tests and the mouse position in Framebuffer pixels. Held keys answer on
// every call; a tap shorter than a pass answers once (the platform latches it).
#pragma once
#include "core/screen.hpp"
#include "platform/platform.hpp"

namespace gloam {

inline bool isKeyDown(platform::Platform& p, int virtualKey) { return p.keyDown(virtualKey); }

// Mouse x counted from the left edge, clamped to 0..ScreenWidth-1. The mapping divides by the
// window's actual size (by the picture's, when it is scaled to fit the window), so it does not
// depend on the pixel zoom.
int mouseX(platform::Platform& p, const ScreenMode& mode);

// Mouse y counted upward from the bottom edge, clamped to 0..ScreenHeight-1.
int mouseY(platform::Platform& p, const ScreenMode& mode);

}  // namespace gloam
