// A real GL context for the first-person tests: the headless platform's window (640x480, as the
// game's 320x240 mode at zoom 2), made once per test program and kept current, plus a SpriteBank
// whose wall picture is one flat colour so that rendered pixels can be recognised exactly.
#pragma once
#include <cstdint>

#include "assets/sprite_bank.hpp"
#include "platform/platform.hpp"

namespace gloam::fpview::testing {

// The shared headless platform with its context current; fails the calling test if none can be made.
platform::Platform* headlessGl();

// A bank with every slot empty except 1200..1206: 64x64 pictures, 1201 filled with (r, g, b).
void makeSceneBank(assets::SpriteBank& bank, std::uint8_t r, std::uint8_t g, std::uint8_t b);

}  // namespace gloam::fpview::testing
