// Projection and fixed pipeline state for the first-person scene. The scene always renders into
// the lower-left 320x240 pixels of the back buffer, whatever the window's zoom, because that is
// the rectangle the readback copies.
#include "fpview/gl_fixed_state.hpp"

#include <GL/gl.h>
#include <GL/glu.h>

#include "fpview/scene_constants.hpp"

namespace gloam::fpview {
namespace {

constexpr double FieldOfView = 45.0;
constexpr float Aspect = 4.0f / 3.0f;  // 1.3333334 as a 32-bit float
constexpr double NearPlane = 0.1;
constexpr double FarPlane = 100.0;

}  // namespace

void setProjection() {
  glViewport(0, 0, SceneWidth, SceneHeight);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(FieldOfView, Aspect, NearPlane, FarPlane);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void applyFixedGlState() {
  glEnable(GL_TEXTURE_2D);
  glShadeModel(GL_SMOOTH);
  glClearColor(1.0f, 0.0f, ClearBlue, 0.0f);
  glClearDepth(1.0);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  glDisable(GL_CULL_FACE);
  glDisable(GL_LIGHTING);
  glColor4f(1.0f, 1.0f, 1.0f, 0.5f);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

}  // namespace gloam::fpview
