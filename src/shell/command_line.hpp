// The command line: every option is optional, and with none the game runs as it always has.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace gloam::shell {

struct CommandLineOptions {
  std::optional<std::uint32_t> seed;
  std::optional<std::string> dataDir;
  bool headless = false;
  long long frames = -1;  // -1: run until Escape or a close request
  std::string inputPath;
  std::string recordPath;
  std::string screenshotPath;
  std::string dumpWorldPath;
  std::string statePath;
  bool comfort = false;    // --comfort
  std::optional<int> fps;  // passes a second; 0 uncapped; unset: 60 in a window, uncapped headless
};

enum class ParseOutcome { Run, Help, Version, Error };

// Parses argv; on Error, `error` holds a one-line description naming the bad option or value.
ParseOutcome parseCommandLine(int argc, const char* const* argv, CommandLineOptions& options, std::string& error);

std::string usageText();

// The pacing a run gets: the --fps value, else 60 passes a second in a window and none headless.
int effectiveFps(const CommandLineOptions& options);

}  // namespace gloam::shell
