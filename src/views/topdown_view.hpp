// The top-down tile view: one level of the DungeonGrid as 16 x 16 tiles from the ViewOrigin, the
// PlayerUnit's remaining path and ring, and every visible unit with its hit-point bar and label.
// Stateless: everything is drawn fresh from the world each frame.
#pragma once
#include <cstdint>

#include "assets/sprite_bank.hpp"
#include "assets/trig_tables.hpp"
#include "core/screen.hpp"
#include "draw/text.hpp"
#include "units/path_table.hpp"
#include "units/unit_table.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::views {

inline constexpr int RoadSlot = 22;                // the road picture, also the path marker
inline constexpr double PlayerRingRadius = 448.0;  // pixels
inline constexpr int HitBarSpan = 14;              // the bar covers px .. px + 14
inline constexpr int HitBarRise = 16;              // the bar sits on the row just above the tile
inline constexpr int UnitLabelRise = 17;

inline constexpr Rgb BarRed{255, 0, 0};        // the bar's whole span
inline constexpr Rgb BarGreen{0, 255, 0};      // hit points left, bar style 0
inline constexpr Rgb BarPurple{96, 44, 136};   // hit points left, bar styles 1 and 3
inline constexpr Rgb MapWhite{255, 255, 255};  // the ring and the unit labels

// Unit kinds the map shows.
inline bool isMapVisibleKind(std::uint16_t kind) { return kind == 1 || kind == 3 || kind == 9; }

struct TopDownWorld {
  const world::DungeonGrid& grid;
  const world::ViewOrigin& origin;
  const units::UnitTable& units;
  const units::PathTable& paths;
};

void drawTopDownView(Screen& screen, const TopDownWorld& world, const assets::SpriteBank& bank,
                     const assets::TrigTables& trig, draw::TextBuffer& text);

// The steps of drawTopDownView, in their drawing order.
void drawTiles(Screen& screen, const world::DungeonGrid& grid, const world::ViewOrigin& origin,
               const assets::SpriteBank& bank);
void drawPlayerPathAndRing(Screen& screen, const TopDownWorld& world, const assets::SpriteBank& bank,
                           const assets::TrigTables& trig);
void drawUnits(Screen& screen, const TopDownWorld& world, const assets::SpriteBank& bank, draw::TextBuffer& text);

}  // namespace gloam::views
