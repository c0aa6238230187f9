// The texture is a power of two on each side (GL 1.1 and WebGL 1 both accept those) and the
// Framebuffer fills its lower-left corner. The quad is drawn in an orthographic projection of
// Framebuffer pixels onto a viewport of zoomed window pixels, so window pixel i samples texel
// floor((i + 0.5) / zoom): never nearer than 0.1 texel to a texel border, so nearest filtering
// picks exactly the pixel glDrawPixels would have replicated there.
#include "shell/framebuffer_texture.hpp"

#include <GL/gl.h>

namespace gloam::shell {
namespace {

constexpr int MinZoom = 1;
constexpr int MaxZoom = 5;

// The GL state the quad changes, as it was before.
struct SavedState {
  GLint viewport[4];
  GLint binding;
  GLint envMode;
  GLboolean depthTest;
  GLboolean texturing;
};

SavedState saveState() {
  SavedState s{};
  glGetIntegerv(GL_VIEWPORT, s.viewport);
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &s.binding);
  glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &s.envMode);
  s.depthTest = glIsEnabled(GL_DEPTH_TEST);
  s.texturing = glIsEnabled(GL_TEXTURE_2D);
  return s;
}

void setEnabled(GLenum cap, GLboolean on) {
  if (on) {
    glEnable(cap);
  } else {
    glDisable(cap);
  }
}

void restoreState(const SavedState& s) {
  glViewport(s.viewport[0], s.viewport[1], s.viewport[2], s.viewport[3]);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(s.binding));
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, s.envMode);
  setEnabled(GL_DEPTH_TEST, s.depthTest);
  setEnabled(GL_TEXTURE_2D, s.texturing);
}

// True when the name still names a texture of the size made for it in the current context.
bool textureIsCurrent(const FramebufferTexture& t) {
  if (t.name == 0 || !glIsTexture(t.name)) return false;
  glBindTexture(GL_TEXTURE_2D, t.name);
  GLint w = 0, h = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
  return w == t.width && h == t.height;
}

// Binds a texture that can hold width x height pixels, making one when there is none in this
// context or the one there is too small.
void bindTextureFor(FramebufferTexture& t, int width, int height) {
  const bool current = textureIsCurrent(t);
  if (current && width <= t.width && height <= t.height) return;
  if (!current) t.zoom = MinZoom;  // a new context starts at zoom 1
  if (current) glDeleteTextures(1, &t.name);
  glGenTextures(1, &t.name);
  glBindTexture(GL_TEXTURE_2D, t.name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  t.width = textureSide(width);
  t.height = textureSide(height);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, t.width, t.height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
}

// The Framebuffer's part of the texture as one quad filling the viewport.
void drawQuad(const FramebufferTexture& t, int width, int height) {
  const float s = static_cast<float>(width) / static_cast<float>(t.width);
  const float u = static_cast<float>(height) / static_cast<float>(t.height);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0, width, 0, height, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2i(0, 0);
  glTexCoord2f(s, 0);
  glVertex2i(width, 0);
  glTexCoord2f(s, u);
  glVertex2i(width, height);
  glTexCoord2f(0, u);
  glVertex2i(0, height);
  glEnd();
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
}

// Copies the pixels in and sets what the quad is drawn with: glDrawPixels writes colours untouched
// by texturing and depth, and the quad must do the same.
void uploadForQuad(FramebufferTexture& texture, const ScreenMode& mode, const std::uint8_t* pixels) {
  bindTextureFor(texture, mode.width, mode.height);
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, mode.width, mode.height, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_TEXTURE_2D);
}

// Set on every scaled draw: a run presents either always scaled or never, and the zoomed path keeps
// the nearest filtering the texture was made with.
void setFilter(GLint filter) {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
}

// Black everywhere the picture will not cover; the clear colour is the scene's key colour.
void clearToBlack() {
  GLfloat clearColour[4];
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColour);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glClearColor(clearColour[0], clearColour[1], clearColour[2], clearColour[3]);
}

}  // namespace

int textureSide(int n) {
  int side = 1;
  while (side < n) side *= 2;
  return side;
}

void drawFramebufferTexture(FramebufferTexture& texture, const ScreenMode& mode, const std::uint8_t* pixels) {
  if (mode.width <= 0 || mode.height <= 0) return;
  const SavedState saved = saveState();
  uploadForQuad(texture, mode, pixels);
  if (mode.pixelZoom >= MinZoom && mode.pixelZoom <= MaxZoom) texture.zoom = mode.pixelZoom;
  glViewport(0, 0, mode.width * texture.zoom, mode.height * texture.zoom);
  drawQuad(texture, mode.width, mode.height);
  restoreState(saved);
}

// A smooth picture is always smaller than the Framebuffer (a larger one has a whole zoom), so the
// filter never samples as far as the unused texels beyond the Framebuffer's right and top edges.
void drawFramebufferScaled(FramebufferTexture& texture, const ScreenMode& mode, const std::uint8_t* pixels,
                           const PictureArea& area) {
  if (mode.width <= 0 || mode.height <= 0 || area.width <= 0 || area.height <= 0) return;
  const SavedState saved = saveState();
  clearToBlack();
  uploadForQuad(texture, mode, pixels);
  setFilter(area.smooth ? GL_LINEAR : GL_NEAREST);
  glViewport(area.x, area.y, area.width, area.height);
  drawQuad(texture, mode.width, mode.height);
  restoreState(saved);
}

}  // namespace gloam::shell
