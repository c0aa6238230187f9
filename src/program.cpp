// The program: reads the command line, opens the windowed or the headless platform, runs
// start-up, the loop and shutdown, and writes what the command line asked for in between. Each
// system's entry point (main, WinMain) hands it the command line.
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

#include "program.hpp"

#include "platform/open_platform.hpp"
#include "shell/command_line.hpp"
#include "shell/data_folder.hpp"
#include "shell/game.hpp"
#include "shell/main_loop.hpp"
#include "shell/run_outputs.hpp"
#include "shell/shutdown.hpp"
#include "shell/startup.hpp"

namespace {

using namespace gloam;

int usageError(const std::string& message) {
  std::fprintf(stderr, "gloamdelve: %s\n\n%s", message.c_str(), shell::usageText().c_str());
  return 2;
}

std::string chooseDataFolder(const shell::CommandLineOptions& options) {
  if (options.dataDir) return *options.dataDir;
  bool fromElsewhere = false;
  std::string dir = shell::findDataFolder(shell::executablePath(), fromElsewhere);
  if (fromElsewhere) std::fprintf(stderr, "gloamdelve: using the game data in %s\n", dir.c_str());
  return dir;
}

}  // namespace

int gloam::runProgram(int argc, char** argv) {
  shell::CommandLineOptions options;
  std::string error;
  switch (shell::parseCommandLine(argc, argv, options, error)) {
    case shell::ParseOutcome::Help: std::fputs(shell::usageText().c_str(), stdout); return 0;
    case shell::ParseOutcome::Version: std::printf("gloamdelve %s\n", GLOAMDELVE_VERSION); return 0;
    case shell::ParseOutcome::Error: return usageError(error);
    case shell::ParseOutcome::Run: break;
  }
  if (options.dataDir && !shell::checkDataOption(*options.dataDir, error)) return usageError(error);
  if (!shell::checkRunPaths(options, error)) return usageError(error);
  platform::PlatformOptions po;
  po.headless = options.headless;
  po.recordPath = options.recordPath;
  if (!options.inputPath.empty() && !platform::loadInputScript(options.inputPath, po.script, error))
    return usageError(error);
  if (options.headless && !options.recordPath.empty())
    return usageError("--record records a windowed game; a headless run replays its script already");

  shell::RunSettings settings;
  settings.seed = options.seed     ? *options.seed
                  : po.script.seed ? *po.script.seed
                                   : static_cast<std::uint32_t>(std::time(nullptr));
  settings.dataDir = chooseDataFolder(options);
  settings.maxFrames = options.frames;
  settings.fps = shell::effectiveFps(options);
  settings.comfort = options.comfort;
  po.seed = settings.seed;

  auto platform = platform::openPlatform(std::move(po), error);
  if (!platform) {
    std::fprintf(stderr, "gloamdelve: %s\n", error.c_str());
    return 1;
  }
  auto game = std::make_unique<shell::Game>(*platform, settings);
  shell::runStartup(*game);
  shell::runMainLoop(*game);
  const bool written = shell::writeRunOutputs(*game, options);
  shell::shutdownGame(*game);
  return written && !platform->recordingCutShort() ? 0 : 1;
}
