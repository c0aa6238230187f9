// The view frustum of the first-person camera as planes in the block's own coordinates, taken from
// the GL matrices, so that faces lying wholly outside it can be left out before they reach GL.
#pragma once

namespace gloam::fpview {

struct ViewFrustum {
  static constexpr int PlaneCount = 5;  // left, right, bottom, top, near; the far plane lies beyond the block
  float planes[PlaneCount][4]{};        // inside where a x + b y + c z + d >= 0
  bool active = false;                  // false: nothing is outside

  // From a column-major projection times model-view matrix, as GL stores them.
  static ViewFrustum fromMatrix(const float clipFromModel[16]);

  // True when all four corners lie outside one plane by more than a rounding margin: such a quad
  // gives no fragment, whatever the rasteriser's rounding.
  bool excludes(const float corners[4][3]) const;
};

// The frustum of the current GL projection and model-view matrices.
ViewFrustum currentGlFrustum();

}  // namespace gloam::fpview
