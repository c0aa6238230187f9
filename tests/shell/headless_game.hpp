// A whole game on the headless platform, run in-process from an input script: start-up, the loop
// for a number of passes, and the state left behind for the test to inspect (before shutdown).
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/open_platform.hpp"
#include "shell/game.hpp"
#include "shell/main_loop.hpp"
#include "shell/startup.hpp"

namespace gloam::shell::testing {

struct HeadlessGame {
  std::vector<std::string> messages;  // every message box, as "CAPTION: text"
  std::unique_ptr<platform::Platform> platform;
  std::unique_ptr<Game> game;

  HeadlessGame(const std::string& script, long long frames, std::uint32_t seed = 1,
               const std::string& dataDir = "no-such-data") {
    platform::PlatformOptions options;
    options.headless = true;
    options.messageLog = &messages;
    std::string error;
    EXPECT_TRUE(platform::parseInputScript(script, "test", options.script, error)) << error;
    platform = platform::openPlatform(std::move(options), error);
    if (!platform) {
      ADD_FAILURE() << error;  // every later use of the game would dereference a missing platform
      return;
    }
    RunSettings settings;
    settings.seed = seed;
    settings.dataDir = dataDir;
    settings.maxFrames = frames;
    settings.keepLastPresented = true;
    game = std::make_unique<Game>(*platform, settings);
    runStartup(*game);
  }

  HeadlessGame& run() {
    runMainLoop(*game);
    return *this;
  }

  const std::uint8_t* presentedPixel(int x, int y) const {
    return game->lastPresented.data() + (static_cast<std::size_t>(y) * game->lastPresentedMode.width + x) * 4;
  }
};

}  // namespace gloam::shell::testing
