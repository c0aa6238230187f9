// The overworld map file: one raw level of CellCodes, row-major, with no header, read into level 0.
// The file lives at <dataDir>/map/<N>.overworld.
#pragma once
#include <string>

#include "world/dungeon_grid.hpp"

namespace gloam::world {

inline constexpr int OverworldPauseMs = 1000;  // the pause after a successful open

// The file name of map `mapNumber` under dataDir (an empty dataDir means the working directory).
std::string overworldMapPath(const std::string& dataDir, int mapNumber);

// Opens the map file for reading and writing, creating it empty when missing, and reads up to
// LevelSize bytes into level 0 from its first cell on. Returns how long the caller must pause:
// OverworldPauseMs once the file was opened, 0 when it could not be (a missing map folder, a
// directory, no permission); in that case level 0 is left as it was.
int readOverworldMap(DungeonGrid& grid, const std::string& dataDir, int mapNumber);

// The same for a map file already named; when the open fails and `problem` is given, it receives
// the system's reason ("Permission denied").
int readOverworldMapFile(DungeonGrid& grid, const std::string& path, std::string* problem);

}  // namespace gloam::world
