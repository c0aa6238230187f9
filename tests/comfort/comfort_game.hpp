// A whole comfort-mode game on the headless platform, run in-process pass by pass from an input
// script, with the helpers the comfort checks share.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/open_platform.hpp"
#include "shell/game.hpp"
#include "shell/main_loop.hpp"
#include "shell/startup.hpp"

namespace gloam::comfort::testing {

struct ComfortGame {
  std::unique_ptr<platform::Platform> platform;
  std::unique_ptr<shell::Game> game;

  explicit ComfortGame(const std::string& script, std::uint32_t seed = 5, const std::string& dataDir = "no-such-data") {
    platform::PlatformOptions options;
    options.headless = true;
    std::string error;
    EXPECT_TRUE(platform::parseInputScript(script, "test", options.script, error)) << error;
    platform = platform::openPlatform(std::move(options), error);
    if (!platform) {
      ADD_FAILURE() << error;
      return;
    }
    shell::RunSettings settings;
    settings.seed = seed;
    settings.dataDir = dataDir;
    settings.comfort = true;
    game = std::make_unique<shell::Game>(*platform, settings);
    shell::runStartup(*game);
  }

  // Runs passes until the FrameCounter reaches `frame`.
  void runTo(int frame) {
    while (game->loop.frameCounter < frame && game->loop.quitRequested == 0) shell::runOnePass(*game);
  }
  const units::UnitRecord& player() const { return game->units[game->loop.playerUnitIndex]; }
};

// A press and release on the same pass: a tap shorter than a pass.
inline std::string tap(int frame, int key) {
  const std::string f = std::to_string(frame);
  return f + " down " + std::to_string(key) + "\n" + f + " up " + std::to_string(key) + "\n";
}

}  // namespace gloam::comfort::testing
