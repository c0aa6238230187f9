// Hand-built worlds whose every drawn face is known in advance, a hand on keys and mouse, and a real
// GL context whose wall picture is one flat colour, so that rendered pixels can be recognised exactly.
#pragma once
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/constants.hpp"
#include "core/rng.hpp"
#include "core/screen.hpp"
#include "fpview/first_person_view.hpp"
#include "fpview/gl_fixed_state.hpp"
#include "fpview/scene_composite.hpp"
#include "fpview/scene_textures.hpp"
#include "fpview/wall_blocks.hpp"
#include "platform/input_state.hpp"
#include "platform/null_window_platform.hpp"
#include "platform/open_platform.hpp"
#include "platform/pixel_mapping.hpp"
#include "support/cells.hpp"
#include "world/cell_codes.hpp"

namespace gloam::fpview::testing {

using gloam::testing::fillBox;

// Solid rock around (100, 100) on levels 0..16, deeper than a block around level 2 reaches, so
// the rock has no outer faces in view; on level 2 a corridor one cell wide in column 100, rows
// firstRow..lastRow, open (Floor) inside.
inline void buildCorridor(world::DungeonGrid& g, int firstRow, int lastRow) {
  world::allocateGrid(g);
  fillBox(g, 70, 70, 0, 130, 130, 16, cell::Wall);
  fillBox(g, 100, firstRow, 2, 100, lastRow, 2, cell::Floor);
}

// An 11x11 open room (columns and rows 95..105) on level 2 with rock all round and below.
inline void buildRoom(world::DungeonGrid& g) {
  world::allocateGrid(g);
  fillBox(g, 90, 90, 1, 110, 110, 3, cell::Wall);
  fillBox(g, 95, 95, 2, 105, 105, 2, cell::Floor);
}

// The PlayerUnit standing still in the cell (x, y, z), at eye height, by default mid-cell.
inline units::UnitRecord playerAt(int x, int y, int z, float offsetX = 0.5f, float offsetY = 0.5f) {
  units::UnitRecord p = gloam::testing::unitAt(x, y, z);
  p.offsetX = offsetX;
  p.offsetY = offsetY;
  p.offsetZ = 0.54f;
  return p;
}

// Rock on levels 0..16 around (100, 100) with open cells scattered over the even levels 2..14
// (about one in three), so every face orientation shows at many depths: a stress picture.
inline void buildCaves(world::DungeonGrid& g, std::uint32_t seed) {
  world::allocateGrid(g);
  fillBox(g, 70, 70, 0, 130, 130, 16, cell::Wall);
  Rng rng;
  rng.seed(seed);
  for (int z = 2; z <= 14; z += 2)
    for (int y = 71; y < 130; ++y)
      for (int x = 71; x < 130; ++x)
        if (rng.below(3) == 0) g.setCell(x, y, z, cell::Floor);
  fillBox(g, 99, 99, 2, 101, 101, 2, cell::Floor);  // room for the eye
}

// The player's hand on a window showing the 320x240 view: keys latched as a window's are, and the
// cursor over one pixel of the picture.
class Hand : public platform::NullWindowPlatform {
 public:
  platform::InputState input;
  int pixelX = 0, pixelY = 0;
  bool keyDown(int virtualKey) override { return input.read(virtualKey); }
  platform::Point cursorPos() override {
    return platform::cursorForPixel(pixelX, pixelY, windowRect(), FirstPersonMode.width, FirstPersonMode.height);
  }
};

// The headless platform with its context current, made once per test program (null, with a
// failure, if none can be made). It is never torn down: shutting SDL down unloads the GL driver,
// and the blocks the driver keeps would then show up as leaks of the test.
inline platform::Platform* headlessGl() {
  static platform::Platform* const context = [] {
    std::string error;
    platform::PlatformOptions options;
    options.headless = true;
    std::unique_ptr<platform::Platform> p = platform::openPlatform(std::move(options), error);
    if (!p) {
      ADD_FAILURE() << "headless platform: " << error;
    } else if (p->openWindow({"GAME", 640, 480, 16, 16})) {
      ADD_FAILURE() << "headless GL context could not be made";
      p.reset();
    }
    return p.release();
  }();
  return context;
}

// The shared context with the projection and fixed state set, an empty world, the eye at (100, 100, 2).
class SceneGl : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(headlessGl(), nullptr);
    setScreenMode(screen, 320, 240);
    setProjection();
    useWallColour(40, 120, 200);
  }
  void TearDown() override { glDeleteTextures(SceneTextureCount, state.sceneTextures.data()); }

  // A fresh bank with every slot empty except 1200..1206, 64x64 pictures of one grey each, the wall
  // picture 1201 holding byte(i) at byte i; uploaded in place of the textures before.
  template <class ByteAt>
  void useWallPicture(ByteAt byte) {
    bank.slots = std::make_unique<assets::SpriteSlot[]>(SpriteSlotCount);
    for (int slot = 1200; slot <= 1206; ++slot) {
      assets::SpriteSlot& s = bank[slot];
      s.width = s.height = 64;
      s.bytesPerPixel = 3;
      s.pixels.assign(64 * 64 * 3, static_cast<std::uint8_t>(slot - 1200) * 30);
    }
    for (int i = 0; i < 64 * 64 * 3; ++i) bank[1201].pixels[i] = byte(i);
    glDeleteTextures(SceneTextureCount, state.sceneTextures.data());
    uploadSceneTextures(state, bank);
    applyFixedGlState();
  }
  void useWallColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    useWallPicture([&](int i) { return i % 3 == 0 ? r : i % 3 == 1 ? g : b; });
  }

  // One scene on a cleared Framebuffer, as the game draws it: the readback lands in
  // screen.sceneCapture and the non-key pixels in screen.framebuffer.
  void render(WallRenderPath path = WallRenderPath::Visible) {
    clearFramebuffer(screen);
    drawFirstPersonView(state, screen, grid, player, path);
  }

  const std::uint8_t* fb(int x, int y) const { return screen.framebuffer.data() + (y * 320 + x) * 4; }
  bool isColour(int x, int y, int r, int g, int b) const {
    const std::uint8_t* p = fb(x, y);
    return p[0] == r && p[1] == g && p[2] == b && p[3] == 255;
  }

  Screen screen;
  assets::SpriteBank bank;
  FirstPersonState state;
  world::DungeonGrid grid;
  units::UnitRecord player = playerAt(100, 100, 2);
};

}  // namespace gloam::fpview::testing
