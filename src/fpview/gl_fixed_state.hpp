// The GL state the first-person scene is drawn with: the fixed 320x240 viewport and perspective,
// and the fixed pipeline settings, with the clear colour that the readback treats as background.
// The shell's initGlState calls uploadSceneTextures first, then applyFixedGlState.
#pragma once

namespace gloam::fpview {

// Viewport (0, 0, 320, 240) whatever the window size, 45-degree perspective at aspect 4/3, near
// 0.1, far 100; leaves the model-view matrix current and set to identity.
void setProjection();

// Texturing on, smooth shading, the key clear colour, depth test with GL_LEQUAL, perspective
// hint, culling and lighting off, colour (1, 1, 1, 0.5) and the alpha blend function (blending
// itself stays off).
void applyFixedGlState();

}  // namespace gloam::fpview
