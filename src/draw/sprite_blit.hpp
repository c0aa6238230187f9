// Copying SpriteBank pictures into the Framebuffer, opaque or with the two key colours (the sprite key
// colour and black) left out.
// A picture is drawn as a width x width square with its bottom-left pixel at (x, y); clipping is the
// Framebuffer's edge, exactly as putPixel would clip.
#pragma once
#include <cstdint>

#include "assets/sprite_bank.hpp"
#include "core/constants.hpp"
#include "core/screen.hpp"

namespace gloam::draw {

inline constexpr int SpriteBytesPerPixel = 3;  // red, green, blue

// Rows of the width x width square that the picture's buffer really holds. The height field is not
// consulted (the square is width x width), but a picture whose buffer is shorter than the square draws
// only the whole rows it has and never reads past its pixels. 0 for an empty slot.
int drawableSpriteRows(const assets::SpriteSlot& picture);

void blitSprite(Screen& screen, const assets::SpriteSlot& picture, int x, int y);
void blitSpriteKeyed(Screen& screen, const assets::SpriteSlot& picture, int x, int y);

// The same by slot number; a slot outside the bank, or an unallocated bank, draws nothing.
void blitSprite(Screen& screen, const assets::SpriteBank& bank, int x, int y, int slot);
void blitSpriteKeyed(Screen& screen, const assets::SpriteBank& bank, int x, int y, int slot);

}  // namespace gloam::draw
