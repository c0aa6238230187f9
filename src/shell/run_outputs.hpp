// What a run leaves behind when asked: the state as JSON, the raw DungeonGrid and a screenshot.
// All of them are written after the loop ends and before shutdown releases the tables.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "shell/game.hpp"

namespace gloam::shell {

// Writes `frame`, `screen`, `viewOrigin`, `tickDivisor`, `screenSaverMode`, `quitRequested`,
// `sleptMs`, `fps`, `spriteSlotsLoaded`, `console` and `player` as one JSON object.
bool writeStateJson(const Game& game, long long sleptMs, const std::string& path);

// The whole grid, level after level, each level row after row.
bool writeWorldDump(const Game& game, const std::string& path);

// An RGBA picture (row 0 at the bottom) as PNG or 24-bit BMP, chosen by the file's extension.
bool writeScreenshot(const std::vector<std::uint8_t>& rgba, const ScreenMode& mode, const std::string& path);

}  // namespace gloam::shell
