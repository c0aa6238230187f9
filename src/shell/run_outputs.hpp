// What a run leaves behind when asked: the state as JSON, the raw DungeonGrid and a screenshot.
// Their paths are checked before start-up; the files are written after the loop ends and before
// shutdown releases the tables. Each write fails with a reason and never leaves half a file.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "shell/command_line.hpp"
#include "shell/game.hpp"

namespace gloam::shell {

// Writes `frame`, `screen`, `viewOrigin`, `tickDivisor`, `screenSaverMode`, `quitRequested`,
// `sleptMs`, `fps`, `spriteSlotsLoaded`, `console` and `player` as one JSON object.
bool writeStateJson(const Game& game, long long sleptMs, const std::string& path, std::string* reason = nullptr);

// The whole grid, level after level, each level row after row.
bool writeWorldDump(const Game& game, const std::string& path, std::string* reason = nullptr);

// An RGBA picture (row 0 at the bottom) as PNG or 24-bit BMP, chosen by the file's ending.
bool writeScreenshot(const std::vector<std::uint8_t>& rgba, const ScreenMode& mode, const std::string& path,
                     std::string* reason = nullptr);

enum class ScreenshotFormat { Png, Bmp };
// By the ending, in any letter case; none for any other ending.
std::optional<ScreenshotFormat> screenshotFormat(const std::string& path);

// Before start-up: every output path can be written, a screenshot has a known ending and the input
// script is not a folder. False with `error` naming the option, the path and the reason.
bool checkRunPaths(const CommandLineOptions& options, std::string& error);

// After the loop: each output the command line asks for; a failure is reported on stderr, naming
// the file and the reason, and the others are still written.
bool writeRunOutputs(const Game& game, const CommandLineOptions& options);

}  // namespace gloam::shell
