// Which sprite slot the top-down view draws for each CellCode: a 256-entry table built at compile
// time from the list of code runs below. Codes without a picture (Empty, TemplateMark, ...) map to NoTile.
#pragma once
#include <array>
#include <cstdint>

#include "world/cell_codes.hpp"

namespace gloam::views {

inline constexpr std::int16_t NoTile = -1;

using TileSlotTable = std::array<std::int16_t, 256>;

namespace detail {
// The map written as the list of runs it is: each run maps the codes first..last onto consecutive
// slots starting at firstSlot.
struct TileRun {
  std::uint8_t first;
  std::uint8_t last;
  std::int16_t firstSlot;
};

namespace c = gloam::cell;

inline constexpr TileRun TileRuns[] = {
    {c::LandPlain, c::LandForestC, 10},  // terrain: the slot is the code
    {c::Floor, c::Floor, 119},
    {c::Wall, c::Wall, 111},
    {c::FloorMarble, c::FloorMarble, 118},
    {c::Door, c::Door, 128},
    {c::StairsUp, c::StairsUp, 137},
    {c::StairsDown, c::StairsDown, 136},
    {c::SourceComplete, c::SourceComplete, 131},
    {c::Source, c::Source, 130},
    {c::Spawn, c::SpawnComplete, 132},
    {c::Trap, c::TrapDisabled, 148},
    {c::Fountain, c::FountainDrank, 134},
    {c::Candelabrum, c::CoffinOpen, 122},  // Candelabrum, CandelabrumExtinct, Coffin, CoffinOpen
    {c::Chest, c::ChestOpen, 120},
    {c::Scrolls, c::Scrolls, 167},
    {c::Circle, c::Circle, 140},
    {c::CircleAflamed, c::CircleAflamed, 142},
    {c::CircleGolden, c::CircleGolden, 141},
    {c::Altar, c::Altar, 144},
    {c::AltarDark, c::AltarDark, 146},
    {c::AltarJeweled, c::AltarJeweled, 145},
    {c::Torch, c::Torch, 152},
    {c::FloorBones, c::FloorBonesCleaned, 126},
    {c::VillageB, c::VillageBRed, 180},  // sites: the slot is the code
    {c::Ruin, c::IronMine, 188},
    {c::LandForestLeafB, c::Well, 193},
    {c::SourceB, c::SourceRed, 160},
    {c::GearMechanism, c::Lever, 155},
};

constexpr TileSlotTable buildTable() {
  TileSlotTable table{};
  table.fill(NoTile);
  for (const TileRun& run : TileRuns) {
    for (int code = run.first; code <= run.last; ++code) {
      table[code] = static_cast<std::int16_t>(run.firstSlot + (code - run.first));
    }
  }
  return table;
}

}  // namespace detail

// Built at compile time; the tile loop reads it once per cell.
inline constexpr TileSlotTable TileSlotByCellCode = detail::buildTable();

inline std::int16_t tileSlotFor(std::uint8_t cellCode) { return TileSlotByCellCode[cellCode]; }

}  // namespace gloam::views
