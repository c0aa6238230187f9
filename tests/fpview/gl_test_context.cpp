// The shared GL context of the first-person tests. SDL's video subsystem is started once per
// process; creating a context per test would only repeat the same start-up.
#include "gl_test_context.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/constants.hpp"
#include "platform/open_platform.hpp"

namespace gloam::fpview::testing {
namespace {

std::unique_ptr<platform::Platform> openContext() {
  std::string error;
  platform::PlatformOptions options;
  options.headless = true;
  auto p = platform::openPlatform(std::move(options), error);
  if (!p) {
    ADD_FAILURE() << "headless platform: " << error;
    return nullptr;
  }
  if (p->openWindow({"GAME", 640, 480, 16, 16})) {
    ADD_FAILURE() << "headless GL context could not be made";
    return nullptr;
  }
  return p;
}

}  // namespace

// The context lives until the process ends and is never torn down: shutting SDL down unloads
// the GL driver, and the blocks the driver keeps would then show up as leaks of the test.
platform::Platform* headlessGl() {
  static platform::Platform* const context = openContext().release();
  if (!context) ADD_FAILURE() << "no headless GL context";
  return context;
}

void makeSceneBank(assets::SpriteBank& bank, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  bank.slots = std::make_unique<assets::SpriteSlot[]>(SpriteSlotCount);
  for (int slot = 1200; slot <= 1206; ++slot) {
    assets::SpriteSlot& s = bank[slot];
    s.width = s.height = 64;
    s.bytesPerPixel = 3;
    s.pixels.assign(64 * 64 * 3, static_cast<std::uint8_t>(slot - 1200) * 30);
  }
  std::uint8_t* p = bank[1201].pixels.data();
  for (int i = 0; i < 64 * 64; ++i, p += 3) {
    p[0] = r;
    p[1] = g;
    p[2] = b;
  }
}

}  // namespace gloam::fpview::testing
