// The level layout start-up builds after generation: the generated levels copied onto the even
// levels of the playable dungeon, with a solid Wall level between each two of them.
#pragma once

#include "world/dungeon_grid.hpp"

namespace gloam::world {

inline constexpr int LayoutSourceFirstLevel = 33;  // level 33 + k is copied ...
inline constexpr int LayoutTargetFirstLevel = 2;   // ... onto level 2 + 2k
inline constexpr int LayoutCopiedLevels = 8;       // k = 0..7
inline constexpr int LayoutWallFirstLevel = 1;     // levels 1, 3, ..., 19 become all Wall
inline constexpr int LayoutWallLastLevel = 19;

// Copies levels 33..40 onto 2, 4, ..., 16 and fills the odd levels 1..19 with Wall.
void buildLevelLayout(DungeonGrid& grid);

}  // namespace gloam::world
