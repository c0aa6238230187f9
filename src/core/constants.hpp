// The fixed sizes of the world and its tables. Nothing here changes at run time.
#pragma once
#include <cstdint>

namespace gloam {

inline constexpr int GridSide = 256;                      // cells per row and rows per level
inline constexpr int LevelCount = 180;                    // levels of the DungeonGrid
inline constexpr int LevelSize = GridSide * GridSide;     // bytes per level
inline constexpr int GridBytes = LevelCount * LevelSize;  // 11,796,480
inline constexpr int UnitSlotCount = 3000;                // UnitTable records
inline constexpr int PathStepsPerUnit = 1000;             // PathTable entries per unit
inline constexpr int SpriteSlotCount = 3100;              // SpriteBank slots
inline constexpr int ObjectTemplateCount = 230000;        // ObjectTemplateTable records
inline constexpr int TemplateSide = 30;                   // room template side
inline constexpr int TileSize = 16;                       // pixels per top-down tile

// Degrees to radians, with pi taken as 3.141592653.
inline constexpr double DegreesToRadians = 0.017453292516666667;

}  // namespace gloam
