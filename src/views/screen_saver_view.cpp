// The screen-saver canvas lives in the SceneCaptureBuffer between frames. Renewal draws one rand per
// pixel, row by row from the bottom, then four rings whose draws come in the order blue, green, red, y, x.
#include "views/screen_saver_view.hpp"

#include <cstddef>
#include <cstdint>

#include "draw/circle.hpp"

namespace gloam::views {
namespace {

bool canvasFits(const Screen& screen) {
  const std::size_t bytes = static_cast<std::size_t>(screen.mode.width) * screen.mode.height * 4;
  return screen.sceneCapture.size() >= bytes && screen.framebuffer.size() >= bytes;
}

std::uint8_t randomChannel(Rng& rng) { return static_cast<std::uint8_t>(rng.below(ScreenSaverColourRange)); }

}  // namespace

void fillCanvasWithNoise(Screen& screen, Rng& rng) {
  std::uint8_t* p = screen.sceneCapture.data();
  const std::size_t pixels = static_cast<std::size_t>(screen.mode.width) * screen.mode.height;
  for (std::size_t i = 0; i < pixels; ++i, p += 4) {
    p[0] = 0;
    p[1] = 0;
    p[2] = randomChannel(rng);
    p[3] = 255;
  }
}

void drawCanvasRings(Screen& screen, Rng& rng, const assets::TrigTables& trig) {
  const double radius = static_cast<double>(screen.mode.width) / ScreenSaverRingDivisor;
  for (int ring = 0; ring < ScreenSaverRingCount; ++ring) {
    const std::uint8_t b = randomChannel(rng);
    const std::uint8_t g = randomChannel(rng);
    const std::uint8_t r = randomChannel(rng);
    const int cy = rng.below(screen.mode.height);
    const int cx = rng.below(screen.mode.width);
    draw::drawSceneCircle(screen, trig, cx, cy, radius, {r, g, b});
  }
}

void copyCanvasToFramebuffer(Screen& screen) {
  const std::uint8_t* src = screen.sceneCapture.data();
  std::uint8_t* dst = screen.framebuffer.data();
  const std::size_t pixels = static_cast<std::size_t>(screen.mode.width) * screen.mode.height;
  // Alpha is written as 255 whatever the canvas holds, as every pixel write does.
  for (std::size_t i = 0; i < pixels; ++i, src += 4, dst += 4) {
    dst[0] = src[0];
    dst[1] = src[1];
    dst[2] = src[2];
    dst[3] = 255;
  }
}

void drawScreenSaverView(Screen& screen, Rng& rng, int frameCounter, const assets::TrigTables& trig) {
  if (!canvasFits(screen)) return;
  if (frameCounter % ScreenSaverRenewalFrames == 0) {
    fillCanvasWithNoise(screen, rng);
    drawCanvasRings(screen, rng, trig);
  }
  copyCanvasToFramebuffer(screen);
}

}  // namespace gloam::views
