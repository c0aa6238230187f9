// The dungeon generator: carves a run of levels room by room out of a square of Wall, then places
// stairs between consecutive levels and scatters items on floor cells. All draws come from one Rng.
#pragma once

#include "core/rng.hpp"
#include "world/dungeon_grid.hpp"
#include "world/generator_tables.hpp"

namespace gloam::world {

// The one call start-up makes: levels 33..41 around (128, 128), 2400 room slots each.
inline constexpr int StartupCenterX = 128;
inline constexpr int StartupCenterY = 128;
inline constexpr int StartupFirstLevel = 33;
inline constexpr int StartupLevelCount = 9;
inline constexpr int StartupAreaSize = 255;
inline constexpr int StartupRoomsPerLevel = 2400;

// One call of the generator: the area's centre and side, the levels it carves and the room slots
// of each level.
struct DungeonRun {
  int centerX;
  int centerY;
  int firstLevel;
  int levelCount;
  int areaSize;
  int roomsPerLevel;
};

inline constexpr DungeonRun StartupRun{StartupCenterX,    StartupCenterY,  StartupFirstLevel,
                                       StartupLevelCount, StartupAreaSize, StartupRoomsPerLevel};

// Room attempts: a candidate cell must lie in CandidateMin..CandidateMax on both axes.
inline constexpr int CandidateMin = 3;
inline constexpr int CandidateMax = GridSide - 3;
inline constexpr int AttemptsPerRoom = 1000;
inline constexpr int FirstRoomTemplate = 13;         // the first level's first room
inline constexpr int FirstRoomTemplateChoices = 13;  // later levels' first rooms: templates 0..12
inline constexpr int RoomTemplateChoices = 19;       // every further room: templates 0..18
inline constexpr int FeatureTriesPerPass = 1000000;

// Carves levels firstLevel .. firstLevel + levelCount - 1 (phase 1), then places the features
// (phase 2). A level whose area is not all Empty, or whose first room with its margin is not all
// Wall inside the grid, ends the whole run at once: later levels and all features are skipped.
// The tables must be allocated.
void generateDungeon(DungeonGrid& grid, GeneratorTables& tables, Rng& rng, const DungeonRun& run);

// generateDungeon with the StartupRun (128, 128, 33, 9, 255, 2400).
void generateStartupDungeon(DungeonGrid& grid, GeneratorTables& tables, Rng& rng);

// Phase 2 alone, over the level runs already in the tables: stairs (on every level but the
// first), then chests, candelabra, scrolls, coffins and fountains.
void placeDungeonFeatures(DungeonGrid& grid, const GeneratorTables& tables, Rng& rng, int firstLevel, int levelCount,
                          int areaSize);

}  // namespace gloam::world
