// Every CellCode the world knows, by name. Codes not listed have no meaning and no picture.
#pragma once
#include <cstdint>

namespace gloam::cell {

using Code = std::uint8_t;

inline constexpr Code Empty = 0;
inline constexpr Code EnvBlock = 1;
inline constexpr Code EnvGrass = 2;
inline constexpr Code EnvDirt = 3;
inline constexpr Code EnvCorner = 4;
inline constexpr Code LandPlain = 10;
inline constexpr Code LandForest = 11;
inline constexpr Code LandForestFruit = 12;
inline constexpr Code LandForestGray = 13;
inline constexpr Code LandWater = 14;
inline constexpr Code LandWaterDeep = 15;
inline constexpr Code LandSwamp = 16;
inline constexpr Code LandDesert = 17;
inline constexpr Code LandHills = 18;
inline constexpr Code LandMountain = 19;
inline constexpr Code LandMountainHigh = 20;
inline constexpr Code LandForestLeaf = 21;
inline constexpr Code LandRoad = 22;
inline constexpr Code LandForestB = 23;
inline constexpr Code LandForestC = 24;
inline constexpr Code Floor = 60;               // '<'
inline constexpr Code Wall = 61;                // '='
inline constexpr Code FloorMarble = 68;         // 'D'
inline constexpr Code Door = 70;                // 'F'
inline constexpr Code StairsUp = 76;            // 'L'
inline constexpr Code StairsDown = 77;          // 'M'
inline constexpr Code SourceComplete = 78;      // 'N'
inline constexpr Code Source = 79;              // 'O'
inline constexpr Code Spawn = 80;               // 'P'
inline constexpr Code SpawnComplete = 81;       // 'Q'
inline constexpr Code Trap = 82;                // 'R'
inline constexpr Code TrapDisabled = 83;        // 'S'
inline constexpr Code Fountain = 84;            // 'T'
inline constexpr Code FountainDrank = 85;       // 'U'
inline constexpr Code Candelabrum = 86;         // 'V'
inline constexpr Code CandelabrumExtinct = 87;  // 'W'
inline constexpr Code Coffin = 88;              // 'X'
inline constexpr Code CoffinOpen = 89;          // 'Y'
inline constexpr Code Chest = 90;               // 'Z'
inline constexpr Code ChestOpen = 91;           // '['
inline constexpr Code Scrolls = 100;            // 'd'
inline constexpr Code Circle = 108;             // 'l'
inline constexpr Code CircleAflamed = 109;      // 'm'
inline constexpr Code CircleGolden = 111;       // 'o'
inline constexpr Code Altar = 112;              // 'p'
inline constexpr Code AltarDark = 113;          // 'q'
inline constexpr Code AltarJeweled = 116;       // 't'
inline constexpr Code Torch = 128;
inline constexpr Code TemplateMark = 160;
inline constexpr Code FloorBones = 161;
inline constexpr Code FloorBonesCleaned = 162;
inline constexpr Code VillageB = 180;
inline constexpr Code VillageBYellow = 181;
inline constexpr Code VillageBBlue = 182;
inline constexpr Code VillageBGreen = 183;
inline constexpr Code VillageBRed = 184;
inline constexpr Code Ruin = 188;
inline constexpr Code Castle = 189;
inline constexpr Code Grotto = 190;
inline constexpr Code Mine = 191;
inline constexpr Code IronMine = 192;
inline constexpr Code LandForestLeafB = 193;
inline constexpr Code Well = 194;
inline constexpr Code SourceB = 211;
inline constexpr Code SourceRed = 212;
inline constexpr Code GearMechanism = 218;
inline constexpr Code Lever = 219;

}  // namespace gloam::cell
