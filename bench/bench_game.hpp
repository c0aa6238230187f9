// A whole game started on the headless platform for the GL benchmarks: seed 1, the art painted
// into the build folder (one above the benchmark's own folder), else the game's own search.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/open_platform.hpp"
#include "shell/data_folder.hpp"
#include "shell/game.hpp"
#include "shell/startup.hpp"

namespace gloam::bench {

inline std::string dataFolder() {
  if (const char* env = std::getenv("GLOAMDELVE_DATA")) return env;
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  const std::string built = (exe.parent_path().parent_path() / "data").string();
  if (shell::holdsArt(built)) return built;
  bool fromElsewhere = false;
  return shell::findDataFolder(exe.string(), fromElsewhere);
}

struct BenchGame {
  std::unique_ptr<platform::Platform> platform;
  std::unique_ptr<shell::Game> game;
};

// Opens the headless platform and runs start-up; an empty result when there is no GL.
inline BenchGame startBenchGame(const char* program) {
  BenchGame b;
  std::string error;
  platform::PlatformOptions options;
  options.headless = true;
  b.platform = platform::openPlatform(std::move(options), error);
  if (!b.platform) {
    std::fprintf(stderr, "%s: no headless platform: %s\n", program, error.c_str());
    return b;
  }
  shell::RunSettings settings;
  settings.dataDir = dataFolder();
  settings.seed = 1;
  b.game = std::make_unique<shell::Game>(*b.platform, settings);
  shell::runStartup(*b.game);
  const units::UnitRecord& p = b.game->units[b.game->loop.playerUnitIndex];
  std::printf("start position (%d, %d, %d), art from %s\n", p.cellX, p.cellY, p.level, settings.dataDir.c_str());
  return b;
}

}  // namespace gloam::bench
