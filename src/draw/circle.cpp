// The two circle drawers share one walk over the angles and differ only in the pixel write.
// Each point is mirrored about the vertical through the centre, so one half-turn covers the outline.
#include "draw/circle.hpp"

#include <algorithm>

namespace gloam::draw {
namespace {

// Far-off centres are pulled in before truncation so the conversion to int stays defined; every
// pixel of such a circle is off screen either way.
constexpr double CentreLimit = 1.0e9;

int truncateCentre(double c) { return static_cast<int>(std::clamp(c, -CentreLimit, CentreLimit)); }

double clampRadius(double radius) {
  if (!(radius >= 0.0)) return 0.0;  // negative, and NaN
  return std::min(radius, MaxCircleRadius);
}

using PixelWrite = void (*)(Screen&, int, int, std::uint8_t, std::uint8_t, std::uint8_t);

template <PixelWrite Write>
void walkCircle(Screen& screen, const assets::TrigTables& trig, double cx, double cy, double radius, Rgb c) {
  radius = clampRadius(radius);
  if (!trig.built()) return;
  const double step = CircleStepArc / radius;  // infinite at radius 0: only a = 0 is drawn
  const int icx = truncateCentre(cx);
  const int icy = truncateCentre(cy);
  for (double a = 0.0; a <= CircleLastAngle; a += step) {
    const int i = static_cast<int>(a * TrigEntriesPerDegree);
    const int ox = static_cast<int>(trig.sine[i] * radius);
    const int y = static_cast<int>(-radius * trig.cosine[i]) + icy;
    Write(screen, icx + ox, y, c.r, c.g, c.b);
    Write(screen, icx - ox, y, c.r, c.g, c.b);
  }
}

}  // namespace

void drawCircle(Screen& screen, const assets::TrigTables& trig, double cx, double cy, double radius, Rgb colour) {
  walkCircle<putPixel>(screen, trig, cx, cy, radius, colour);
}

void drawSceneCircle(Screen& screen, const assets::TrigTables& trig, double cx, double cy, double radius, Rgb colour) {
  walkCircle<putScenePixel>(screen, trig, cx, cy, radius, colour);
}

}  // namespace gloam::draw
