// Clip space is clip = M p; a point is inside when -w <= x, y <= w and -w <= z. Each bound is a
// linear function of p (a row sum of M), so a convex quad is outside a bound when its corners are.
#include "fpview/view_frustum.hpp"

#include <GL/gl.h>

namespace gloam::fpview {
namespace {

// Clip-space distances are O(1) per model unit here; float rounding stays far below this.
constexpr float OutsideMargin = 1e-3f;

float row(const float m[16], int r, int c) { return m[c * 4 + r]; }

}  // namespace

ViewFrustum ViewFrustum::fromMatrix(const float m[16]) {
  ViewFrustum f;
  // Plane p = w-row + sign * axis-row.
  const struct {
    int axis;
    float sign;
  } bounds[PlaneCount] = {{0, 1}, {0, -1}, {1, 1}, {1, -1}, {2, 1}};
  for (int i = 0; i < PlaneCount; ++i)
    for (int c = 0; c < 4; ++c) f.planes[i][c] = row(m, 3, c) + bounds[i].sign * row(m, bounds[i].axis, c);
  f.active = true;
  return f;
}

bool ViewFrustum::excludes(const float corners[4][3]) const {
  if (!active) return false;
  for (const auto& p : planes) {
    bool allOutside = true;
    for (int k = 0; k < 4 && allOutside; ++k) {
      const float* v = corners[k];
      allOutside = p[0] * v[0] + p[1] * v[1] + p[2] * v[2] + p[3] < -OutsideMargin;
    }
    if (allOutside) return true;
  }
  return false;
}

ViewFrustum currentGlFrustum() {
  float proj[16], view[16], m[16];
  glGetFloatv(GL_PROJECTION_MATRIX, proj);
  glGetFloatv(GL_MODELVIEW_MATRIX, view);
  for (int c = 0; c < 4; ++c)
    for (int r = 0; r < 4; ++r) {
      float sum = 0;
      for (int k = 0; k < 4; ++k) sum += row(proj, r, k) * row(view, k, c);
      m[c * 4 + r] = sum;
    }
  return ViewFrustum::fromMatrix(m);
}

}  // namespace gloam::fpview
