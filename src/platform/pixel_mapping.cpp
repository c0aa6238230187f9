#include "platform/pixel_mapping.hpp"

#include <algorithm>

namespace gloam::platform {
namespace {

int clampToAxis(float v, int size) {
  if (v < 0.0f) return 0;
  if (v > static_cast<float>(size - 1)) return size - 1;
  return static_cast<int>(v);
}

}  // namespace

int pixelXFrom(Point cursor, Rect window, int width) {
  const float v =
      (cursor.x - static_cast<float>(window.left)) / static_cast<float>(window.width()) * static_cast<float>(width);
  return clampToAxis(v, width);
}

int pixelYFrom(Point cursor, Rect window, int height) {
  const float v =
      (static_cast<float>(window.bottom) - cursor.y) / static_cast<float>(window.height()) * static_cast<float>(height);
  return clampToAxis(v, height);
}

Point cursorForPixel(int x, int y, Rect window, int width, int height) {
  // The middle of the run of screen pixels that shows Framebuffer pixel (x, y): the float mapping
  // lands half a pixel inside it, far from either edge, at every zoom.
  const float zx = static_cast<float>(window.width()) / static_cast<float>(width);
  const float zy = static_cast<float>(window.height()) / static_cast<float>(height);
  return {static_cast<float>(window.left) + (static_cast<float>(x) + 0.5f) * zx,
          static_cast<float>(window.bottom) - (static_cast<float>(y) + 0.5f) * zy};
}

namespace {

// A w x h rectangle centred in the window, the odd pixel to the right and below.
Rect centred(Rect window, int w, int h) {
  const int left = window.left + (window.width() - w) / 2;
  const int top = window.top + (window.height() - h) / 2;
  return {left, top, left + w, top + h};
}

}  // namespace

Rect pictureRect(Rect window, int width, int height) {
  const int w = window.width(), h = window.height();
  if (w <= 0 || h <= 0 || width <= 0 || height <= 0) return window;
  const int zoom = std::min(w / width, h / height);
  if (zoom >= 1) return centred(window, width * zoom, height * zoom);
  // The side that runs out first is filled; the other keeps the picture's shape, rounded down
  // but never to nothing. Products in 64 bits: a window may be wider than any picture.
  const long long across = static_cast<long long>(w) * height, down = static_cast<long long>(h) * width;
  if (across <= down) return centred(window, w, std::max(1, static_cast<int>(across / width)));
  return centred(window, std::max(1, static_cast<int>(down / height)), h);
}

bool isWholeZoom(Rect picture, int width, int height) {
  if (width <= 0 || height <= 0 || picture.width() < width) return false;
  const int zoom = picture.width() / width;
  return picture.width() == width * zoom && picture.height() == height * zoom;
}

Rect mouseArea(Rect window, int width, int height, bool scaledToFit) {
  return scaledToFit ? pictureRect(window, width, height) : window;
}

}  // namespace gloam::platform
