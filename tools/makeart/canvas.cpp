// The painting primitives: rectangles, lines, discs, noise, character stamps and outlines.
// Everything clips to the canvas, so painters may draw shapes that run over an edge.
#include "makeart/canvas.hpp"

#include <algorithm>
#include <cmath>

namespace gloam::makeart {
namespace {

std::uint8_t clampByte(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

}  // namespace

Colour shade(Colour c, double f) { return {clampByte(c.r * f), clampByte(c.g * f), clampByte(c.b * f)}; }

Colour mix(Colour a, Colour b, double t) {
  return {clampByte(a.r + (b.r - a.r) * t), clampByte(a.g + (b.g - a.g) * t), clampByte(a.b + (b.b - a.b) * t)};
}

Colour visible(Colour c) {
  if (c == Colour{0, 0, 0}) return {1, 1, 1};
  return c;
}

Canvas::Canvas(int w, int h, Colour fill) : width(w), height(h), pixels(static_cast<std::size_t>(w * h), fill) {}

void fillRect(Canvas& c, int x, int y, int w, int h, Colour col) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) c.set(i, j, col);
}

void frameRect(Canvas& c, int x, int y, int w, int h, Colour col) {
  line(c, x, y, x + w - 1, y, col);
  line(c, x, y + h - 1, x + w - 1, y + h - 1, col);
  line(c, x, y, x, y + h - 1, col);
  line(c, x + w - 1, y, x + w - 1, y + h - 1, col);
}

void line(Canvas& c, int x0, int y0, int x1, int y1, Colour col) {
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    c.set(x0, y0, col);
    if (x0 == x1 && y0 == y1) return;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void ellipse(Canvas& c, double cx, double cy, double rx, double ry, Colour col) {
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      const double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
      if (u * u + v * v <= 1.0) c.set(x, y, col);
    }
}

void disc(Canvas& c, double cx, double cy, double r, Colour col) { ellipse(c, cx, cy, r, r, col); }

void ring(Canvas& c, double cx, double cy, double r, double thickness, Colour col) {
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
      if (d <= r && d > r - thickness) c.set(x, y, col);
    }
}

void jitter(Canvas& c, Rng& rng, double amount, int x, int y, int w, int h) {
  if (w < 0) w = c.width;
  if (h < 0) h = c.height;
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) {
      if (!c.inside(i, j)) continue;
      const double f = 1.0 + amount * (rng.below(2001) - 1000) / 1000.0;
      c.set(i, j, visible(shade(c.at(i, j), f)));
    }
}

void stamp(Canvas& c, int x, int y, std::initializer_list<std::string_view> rows, Palette palette) {
  int j = 0;
  for (std::string_view row : rows) {
    for (int i = 0; i < static_cast<int>(row.size()); ++i)
      for (const auto& [ch, col] : palette)
        if (ch == row[static_cast<std::size_t>(i)]) c.set(x + i, y + j, col);
    ++j;
  }
}

void outline(Canvas& c, Colour background, Colour edge) {
  const Canvas before = c;
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) {
      if (before.at(x, y) != background) continue;
      const bool touches =
          (x > 0 && before.at(x - 1, y) != background) || (x + 1 < c.width && before.at(x + 1, y) != background) ||
          (y > 0 && before.at(x, y - 1) != background) || (y + 1 < c.height && before.at(x, y + 1) != background);
      if (touches) c.set(x, y, edge);
    }
}

void flipVertically(Canvas& c) {
  for (int y = 0; y < c.height / 2; ++y)
    for (int x = 0; x < c.width; ++x) {
      const Colour top = c.at(x, y);
      c.set(x, y, c.at(x, c.height - 1 - y));
      c.set(x, c.height - 1 - y, top);
    }
}

void overlayKeyed(Canvas& dst, const Canvas& src, int x, int y) {
  for (int j = 0; j < src.height; ++j)
    for (int i = 0; i < src.width; ++i) {
      const Colour p = src.at(i, j);
      if (p == KeyColour || p == Colour{0, 0, 0}) continue;
      dst.set(x + i, y + j, p);
    }
}

std::vector<std::uint8_t> bottomUpRgb(const Canvas& c) {
  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(c.width) * c.height * 3);
  for (int y = c.height - 1; y >= 0; --y)
    for (int x = 0; x < c.width; ++x) {
      const Colour p = c.at(x, y);
      out.insert(out.end(), {p.r, p.g, p.b});
    }
  return out;
}

}  // namespace gloam::makeart
