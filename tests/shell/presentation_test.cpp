// The texture presentation must put exactly the window pixels glDrawPixels puts, at every zoom and
// after a window is re-created; a picture scaled to fit its window sits in its rectangle among black bars.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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

// A picture scaled to fit (comfort): at a whole zoom, the oracle's picture moved into its
// rectangle, the odd leftover pixel below, the rest black; below zoom 1, filtered, one colour stays
// that colour to its edges (the filter reads nothing beyond the Framebuffer), the bars black.
class ScaledPresentation : public Presentation {
 protected:
  void openScaledWindow(int width, int height, int windowWidth, int windowHeight) {
    setScreenMode(game.screen, width, height);
    destroyGameWindow(game);
    platform::WindowSpec spec{"GLOAMDELVE", windowWidth, windowHeight, 16, 16};
    spec.resizable = true;
    ASSERT_EQ(openGlWindow(game, spec), 1);
  }
  std::vector<std::uint8_t> drawScaled(int windowWidth, int windowHeight) {
    const ScreenMode& m = game.screen.mode;
    const PictureArea area = scaledPictureArea({0, 0, windowWidth, windowHeight}, m);
    glClear(GL_COLOR_BUFFER_BIT);  // the key colour, which the bars must cover
    drawFramebufferScaled(game.presentTexture, m, game.screen.framebuffer.data(), area);
    return readWindow(windowWidth, windowHeight);
  }
};

const std::uint8_t* pixelAt(const std::vector<std::uint8_t>& window, int width, int x, int y) {
  return window.data() + (static_cast<std::size_t>(y) * width + x) * 4;
}

bool isBlack(const std::uint8_t* p) { return p[0] == 0 && p[1] == 0 && p[2] == 0; }

TEST_F(ScaledPresentation, AWholeZoomIsTheOraclesPictureInItsRectangleWithBlackBars) {
  openScaledWindow(320, 240, 701, 503);  // zoom 2: bars of 30 and 31 across, 11 above and 12 below
  fillPattern(game.screen);
  game.screen.mode.pixelZoom = 2;
  const PictureArea area = scaledPictureArea({0, 0, 701, 503}, game.screen.mode);
  EXPECT_EQ((std::array{area.x, area.y, area.width, area.height}), (std::array{30, 12, 640, 480}));
  EXPECT_FALSE(area.smooth);
  glClear(GL_COLOR_BUFFER_BIT);
  drawFramebufferPixels(game.screen.mode, game.screen.framebuffer.data());
  const std::vector<std::uint8_t> oracle = readWindow(640, 480);
  const std::vector<std::uint8_t> scaled = drawScaled(701, 503);
  std::vector<std::uint8_t> moved(oracle.size());
  for (int y = 0; y < 480; ++y)
    std::copy_n(pixelAt(scaled, 701, 30, y + 12), 640 * 4, moved.begin() + static_cast<std::ptrdiff_t>(y) * 640 * 4);
  EXPECT_EQ(differingPixels(oracle, moved), 0);
  for (const auto& [x, y] : {std::pair{0, 0}, {29, 300}, {670, 300}, {700, 502}, {300, 11}, {300, 492}})
    EXPECT_TRUE(isBlack(pixelAt(scaled, 701, x, y))) << x << "," << y;
}

TEST_F(ScaledPresentation, BelowZoomOneThePictureIsFilteredToItsEdgesAndNoFurther) {
  openScaledWindow(640, 480, 500, 300);  // 400 x 300 in the middle, 50 black columns each side
  // Red in every pixel, to the edges; green only in every other column, which filtering blends.
  for (std::size_t i = 0; i < game.screen.framebuffer.size(); i += 4) {
    const std::uint8_t green = (i / 4) % 2 ? 240 : 0;
    std::copy_n(std::array<std::uint8_t, 4>{200, green, 50, 255}.data(), 4, game.screen.framebuffer.begin() + i);
  }
  const std::vector<std::uint8_t> scaled = drawScaled(500, 300);
  EXPECT_TRUE(scaledPictureArea({0, 0, 500, 300}, game.screen.mode).smooth);
  int notRed = 0, blended = 0;
  for (int y = 0; y < 300; ++y) {
    for (int x = 50; x < 450; ++x) {
      const std::uint8_t* p = pixelAt(scaled, 500, x, y);
      notRed += p[0] != 200 || p[2] != 50;
      blended += p[1] != 0 && p[1] != 240;
    }
  }
  EXPECT_EQ(notRed, 0);
  EXPECT_GT(blended, 400 * 300 / 2);
  EXPECT_TRUE(isBlack(pixelAt(scaled, 500, 49, 150)));
  EXPECT_TRUE(isBlack(pixelAt(scaled, 500, 450, 150)));
}

}  // namespace
}  // namespace gloam::shell
