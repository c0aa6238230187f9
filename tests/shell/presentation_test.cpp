// The texture presentation must put exactly the window pixels the literal glDrawPixels puts, in
// both modes and at every zoom, including a zoom outside 1..5 and a window re-created since.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "shell/draw_pixels_presentation.hpp"
#include "shell/game_window.hpp"
#include "shell/presentation.hpp"
#include "support/headless_game.hpp"

namespace gloam::shell {
namespace {

// Every byte varies, alpha included, so a shifted row, a swapped channel or a blended pixel shows.
void fillPattern(Screen& screen) {
  for (std::size_t i = 0; i < screen.framebuffer.size(); ++i)
    screen.framebuffer[i] = static_cast<std::uint8_t>(i * 37 + i / 4099);
}

std::vector<std::uint8_t> readWindow(int width, int height) {
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 4);
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  return pixels;
}

int differingPixels(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
  int n = 0;
  for (std::size_t i = 0; i < a.size(); i += 4)
    n += a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2] || a[i + 3] != b[i + 3];
  return n;
}

class Presentation : public ::testing::Test {
 protected:
  testing::HeadlessGame run{"", 0};
  Game& game = *run.game;

  // A window of the given mode, re-created as the mode keys do.
  void openWindow(int width, int height, int zoom) {
    setScreenMode(game.screen, width, height);
    game.screen.mode.pixelZoom = zoom;
    destroyGameWindow(game);
    ASSERT_EQ(createGameWindow(game), 1);
    fillPattern(game.screen);
  }

  // The window as each path leaves it, from the same cleared back buffer; returns the number of
  // differing window pixels (windowZoom is the zoom the window was made for).
  int compareWithOracle(int windowZoom) {
    const ScreenMode& m = game.screen.mode;
    const int w = m.width * windowZoom, h = m.height * windowZoom;
    glColor4f(0.5f, 0.25f, 1.0f, 0.5f);  // glDrawPixels ignores the current colour; the quad must too
    glClear(GL_COLOR_BUFFER_BIT);
    drawFramebufferPixels(m, game.screen.framebuffer.data());
    const std::vector<std::uint8_t> oracle = readWindow(w, h);
    glClear(GL_COLOR_BUFFER_BIT);
    drawFramebufferTexture(game.presentTexture, m, game.screen.framebuffer.data());
    const std::vector<std::uint8_t> textured = readWindow(w, h);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    EXPECT_EQ(oracle[0], game.screen.framebuffer[0]);  // the oracle did draw the pattern
    return differingPixels(oracle, textured);
  }
};

TEST_F(Presentation, TextureQuadPutsTheDrawPixelsPictureInBothModesAtEveryZoom) {
  const struct {
    int width, height, zoom;
  } modes[] = {{320, 240, 2}, {640, 480, 1}, {320, 240, 1}, {320, 240, 3}, {640, 480, 2}, {320, 240, 5}};
  for (const auto& c : modes) {
    openWindow(c.width, c.height, c.zoom);
    EXPECT_EQ(compareWithOracle(c.zoom), 0) << c.width << "x" << c.height << " zoom " << c.zoom;
  }
}

TEST_F(Presentation, ZoomOutsideOneToFiveKeepsTheLastOneAndANewWindowStartsAtOne) {
  openWindow(320, 240, 3);
  EXPECT_EQ(compareWithOracle(3), 0);
  game.screen.mode.pixelZoom = 7;
  EXPECT_EQ(compareWithOracle(3), 0) << "zoom 7 after 3 draws at 3";
  openWindow(320, 240, 3);
  game.screen.mode.pixelZoom = 0;
  EXPECT_EQ(compareWithOracle(3), 0) << "zoom 0 in a new window draws at 1";
}

TEST_F(Presentation, PresentingLeavesTheSceneStateAsItFoundIt) {
  openWindow(320, 240, 2);
  GLint before[4], after[4], binding = 0;
  glGetIntegerv(GL_VIEWPORT, before);
  glBindTexture(GL_TEXTURE_2D, game.firstPerson.sceneTextures[1]);
  presentFrame(game);
  glGetIntegerv(GL_VIEWPORT, after);
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &binding);
  EXPECT_EQ(std::vector<GLint>(before, before + 4), std::vector<GLint>(after, after + 4));
  EXPECT_EQ(static_cast<unsigned>(binding), game.firstPerson.sceneTextures[1]);
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
  GLint env = 0;
  glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &env);
  EXPECT_EQ(env, GL_MODULATE);
}

}  // namespace
}  // namespace gloam::shell
