// The ScreenMode and the two pixel buffers every frame is composed in.
// Row 0 is the bottom row and y grows upward; every pixel write stores alpha 255.
// The GL side of clearing and presenting lives in shell/; this file is plain memory.
#pragma once
#include <cstdint>
#include <vector>

#include "core/rgb.hpp"

namespace gloam {

struct ScreenMode {
  int width = 320;    // ScreenWidth: 320 or 640
  int height = 240;   // ScreenHeight: 240 or 480
  int pixelZoom = 2;  // PixelZoom: 1..5 are honoured by the presentation
  // Comfort mode: the picture is scaled to fit the window (platform::pictureRect) instead of
  // drawn at PixelZoom from its lower-left corner, and the mouse maps through the same rectangle.
  bool scaledToWindow = false;
  bool operator==(const ScreenMode&) const = default;
};

// The two screen modes the game has. The width alone tells them apart: it picks the view.
inline constexpr ScreenMode FirstPersonMode{320, 240, 2};  // the first-person view, and the start-up mode
inline constexpr ScreenMode MapMode{640, 480, 1};          // the top-down map

struct Screen {
  ScreenMode mode;
  std::vector<std::uint8_t> framebuffer;   // width * height RGBA
  std::vector<std::uint8_t> sceneCapture;  // width * height * 4: RGB scene readback or RGBA canvas
};

// Sets ScreenWidth and ScreenHeight and allocates both buffers anew (the zoom is left alone).
// The scene buffer starts black, so a canvas shown before its first renewal is dark.
void setScreenMode(Screen& screen, int width, int height);

// Releases the Framebuffer, then the SceneCaptureBuffer; the mode is left alone.
void releaseScreenBuffers(Screen& screen);

// The memory half of clearFrame: every Framebuffer byte, alpha included, becomes 0.
void clearFramebuffer(Screen& screen);

inline void putPixel(Screen& s, int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  if (x < 0 || y < 0 || x >= s.mode.width || y >= s.mode.height) return;
  std::uint8_t* p = s.framebuffer.data() + (static_cast<std::size_t>(y) * s.mode.width + x) * 4;
  p[0] = r;
  p[1] = g;
  p[2] = b;
  p[3] = 255;
}

inline void putScenePixel(Screen& s, int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  if (x < 0 || y < 0 || x >= s.mode.width || y >= s.mode.height) return;
  std::uint8_t* p = s.sceneCapture.data() + (static_cast<std::size_t>(y) * s.mode.width + x) * 4;
  p[0] = r;
  p[1] = g;
  p[2] = b;
  p[3] = 255;
}

}  // namespace gloam
