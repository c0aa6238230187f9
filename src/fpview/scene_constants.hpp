// The size of the first-person scene and its background key colour: what the scene is cleared
// to and what the readback leaves out. Shared by the GL set-up and the compositor so they agree.
#pragma once
#include <cstdint>

namespace gloam::fpview {

// The scene is rendered into, and read back from, the lower-left 320x240 pixels of the back
// buffer, independent of the window's zoom.
inline constexpr int SceneWidth = 320;
inline constexpr int SceneHeight = 240;

inline constexpr std::uint8_t KeyRed = 255;
inline constexpr std::uint8_t KeyGreen = 0;
inline constexpr std::uint8_t KeyBlue = 229;

// The clear colour's blue as a float. 0.9 reads back as 230 on Mesa (it rounds 0.9 * 255 =
// 229.5 up); 229 / 255 lands on the byte the key test compares against.
inline constexpr float ClearBlue = KeyBlue / 255.0f;

// The exact key test: red above 254, green 0, blue exactly 229.
constexpr bool isKeyColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return r > 254 && g == KeyGreen && b == KeyBlue;
}

}  // namespace gloam::fpview
