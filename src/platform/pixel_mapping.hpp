// Screen pixels to Framebuffer pixels and back, for a window showing a width x height Framebuffer,
// and where that picture lies in a window it is scaled to fit. The arithmetic is 32-bit floating
// point, so the edge cases (exact corners, points outside the window) come out as they always have.
#pragma once
#include "platform/platform.hpp"

namespace gloam::platform {

// x counted from the left edge, clamped to 0..width-1.
int pixelXFrom(Point cursor, Rect window, int width);
// y counted upward from the bottom edge, clamped to 0..height-1.
int pixelYFrom(Point cursor, Rect window, int height);
// A screen point that the mappings above turn into exactly (x, y).
Point cursorForPixel(int x, int y, Rect window, int width, int height);

// Where a width x height picture goes in a window it is scaled to fit: at the largest whole zoom
// that fits, or, when not even zoom 1 fits, at the largest size of the picture's shape that does;
// centred (a leftover odd pixel goes right or below), the rest of the window being bars. A window
// with no area is returned as it is.
Rect pictureRect(Rect window, int width, int height);

// Whether the picture in `picture` is width x height times a whole zoom (drawn pixel for pixel
// blocks), not scaled smoothly.
bool isWholeZoom(Rect picture, int width, int height);

// The rectangle the mouse maps through: pictureRect when the picture is scaled to fit the
// window, otherwise the whole window.
Rect mouseArea(Rect window, int width, int height, bool scaledToFit);

}  // namespace gloam::platform
