// Which sprite slot the top-down view draws for each CellCode: a 256-entry table built from the
// list of code ranges in tile_slots.cpp. Codes without a picture (Empty, TemplateMark, ...) map to NoTile.
#pragma once
#include <array>
#include <cstdint>

namespace gloam::views {

inline constexpr std::int16_t NoTile = -1;

using TileSlotTable = std::array<std::int16_t, 256>;

// The table itself; a constant, built at compile time.
const TileSlotTable& tileSlotTable();

inline std::int16_t tileSlotFor(std::uint8_t cellCode) { return tileSlotTable()[cellCode]; }

}  // namespace gloam::views
