// The screen-saver view: blue noise with four coloured rings, renewed every 50 frames on the
// SceneCaptureBuffer (used as an RGBA canvas) and copied into the Framebuffer on every frame.
#pragma once
#include "assets/trig_tables.hpp"
#include "core/rng.hpp"
#include "core/screen.hpp"

namespace gloam::views {

inline constexpr int ScreenSaverRenewalFrames = 50;
inline constexpr int ScreenSaverRingCount = 4;
inline constexpr int ScreenSaverColourRange = 255;  // each random channel is rand() mod 255: 0..254
inline constexpr int ScreenSaverRingDivisor = 5;    // ring radius = ScreenWidth / 5

void drawScreenSaverView(Screen& screen, Rng& rng, int frameCounter, const assets::TrigTables& trig);

// The steps of drawScreenSaverView: the two renewal steps run only on frames that are multiples of 50.
void fillCanvasWithNoise(Screen& screen, Rng& rng);
void drawCanvasRings(Screen& screen, Rng& rng, const assets::TrigTables& trig);
void copyCanvasToFramebuffer(Screen& screen);

}  // namespace gloam::views
