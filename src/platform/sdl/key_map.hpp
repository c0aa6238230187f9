// Which SDL scancodes stand for each Windows virtual-key code the game tests.
#pragma once
#include <SDL.h>

#include <array>

namespace gloam::platform {

// Up to two scancodes per virtual key (Shift has a left and a right one); SDL_SCANCODE_UNKNOWN
// marks an unused entry. Mouse buttons (1, 2, 4) are not keys and have no scancode.
using ScancodePair = std::array<SDL_Scancode, 2>;

ScancodePair scancodesFor(int virtualKey);

// The SDL button mask of a mouse virtual key (1 left, 2 right, 4 middle), or 0.
Uint32 mouseMaskFor(int virtualKey);

}  // namespace gloam::platform
