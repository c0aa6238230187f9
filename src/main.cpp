// The program's entry: reads the command line, opens the windowed or the headless platform,
// runs start-up, the loop and shutdown, and writes what the command line asked for in between.
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

#ifdef __EMSCRIPTEN__
#include "platform/web/web_platform.hpp"
#else
#include "platform/headless/headless_platform.hpp"
#include "platform/sdl/sdl_platform.hpp"
#endif
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
  std::error_code ec;
  const std::string exe = std::filesystem::read_symlink("/proc/self/exe", ec).string();
  bool fromElsewhere = false;
  const std::string dir = shell::findDataFolder(exe, fromElsewhere);
  if (fromElsewhere) std::fprintf(stderr, "gloamdelve: using the game data in %s\n", dir.c_str());
  return dir;
}

#ifdef __EMSCRIPTEN__
// In the page, --headless means a scripted run: input from the script, pauses counted.
std::unique_ptr<platform::WebPlatform> openPlatform(bool headless, platform::InputScript script, std::string&) {
  return std::make_unique<platform::WebPlatform>(headless, std::move(script));
}
#else
std::unique_ptr<platform::SdlPlatform> openPlatform(bool headless, platform::InputScript script, std::string& error) {
  if (headless) return platform::HeadlessPlatform::open(std::move(script), error);
  return platform::SdlPlatform::open(error);
}
#endif

bool writeOutputs(const shell::Game& game, const shell::CommandLineOptions& o, long long sleptMs) {
  bool ok = true;
  auto check = [&ok](bool written, const std::string& path) {
    if (!written) std::fprintf(stderr, "gloamdelve: cannot write %s\n", path.c_str());
    ok = ok && written;
  };
  if (!o.statePath.empty()) check(shell::writeStateJson(game, sleptMs, o.statePath), o.statePath);
  if (!o.dumpWorldPath.empty()) check(shell::writeWorldDump(game, o.dumpWorldPath), o.dumpWorldPath);
  if (!o.screenshotPath.empty())
    check(shell::writeScreenshot(game.lastPresented, game.lastPresentedMode, o.screenshotPath), o.screenshotPath);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  shell::CommandLineOptions options;
  std::string error;
  switch (shell::parseCommandLine(argc, argv, options, error)) {
    case shell::ParseOutcome::Help: std::fputs(shell::usageText().c_str(), stdout); return 0;
    case shell::ParseOutcome::Version: std::printf("gloamdelve %s\n", GLOAMDELVE_VERSION); return 0;
    case shell::ParseOutcome::Error: return usageError(error);
    case shell::ParseOutcome::Run: break;
  }
  platform::InputScript script;
  if (!options.inputPath.empty() && !platform::loadInputScript(options.inputPath, script, error))
    return usageError(error);
  shell::RunSettings settings;
  settings.seed = options.seed ? *options.seed
                  : script.seed ? *script.seed
                                : static_cast<std::uint32_t>(std::time(nullptr));
  settings.dataDir = chooseDataFolder(options);
  settings.maxFrames = options.frames;
  settings.keepLastPresented = !options.screenshotPath.empty();

  if (options.headless && !options.recordPath.empty())
    return usageError("--record records a windowed game; a headless run replays its script already");
  auto platform = openPlatform(options.headless, std::move(script), error);
  if (!platform) {
    std::fprintf(stderr, "gloamdelve: %s\n", error.c_str());
    return 1;
  }
  if (!options.recordPath.empty() && !platform->startRecording(options.recordPath, settings.seed)) {
    std::fprintf(stderr, "gloamdelve: cannot write %s\n", options.recordPath.c_str());
    return 1;
  }
  auto game = std::make_unique<shell::Game>(*platform, settings);
  shell::runStartup(*game);
  shell::runMainLoop(*game);
  platform->stopRecording();
  const bool written = writeOutputs(*game, options, platform->sleptMs());
  shell::shutdownGame(*game);
  return written ? 0 : 1;
}
