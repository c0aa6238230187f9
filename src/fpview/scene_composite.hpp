// The scene readback: the rendered 320x240 scene comes back from the GL colour buffer into the
// SceneCaptureBuffer and every pixel that is not the key colour is copied into the Framebuffer.
#pragma once
#include "core/screen.hpp"

namespace gloam::fpview {

// Reads the scene back (in any mode) and composites it, but only in the 320x240 mode.
void compositeScene(Screen& screen);

// The memory half: copies the capture's non-key pixels into the Framebuffer with alpha 255.
// Does nothing unless the ScreenMode is 320x240.
void copySceneIntoFramebuffer(Screen& screen);

}  // namespace gloam::fpview
