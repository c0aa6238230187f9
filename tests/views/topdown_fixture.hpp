// A small world for drawing tests and the top-down benchmark: hand-made 16 x 16 pictures in every
// tile slot, the road and a unit picture with key-coloured pixels, and the trig tables built once.
#pragma once
#include <cstdint>
#include <utility>
#include <vector>

#include "core/screen.hpp"
#include "draw/draw_test_support.hpp"
#include "draw/text.hpp"
#include "support/cells.hpp"
#include "units/path_table.hpp"
#include "units/unit_table.hpp"
#include "views/tile_slots.hpp"
#include "views/topdown_view.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::views::testing {

using draw::testing::makePicture;
using draw::testing::sharedTrig;

inline constexpr int UnitPictureSlot = 849;

struct TopDownFixture {
  Screen screen;
  world::DungeonGrid grid = gloam::testing::freshGrid();
  world::ViewOrigin origin;
  units::UnitTable units;
  units::PathTable paths;
  assets::SpriteBank bank;
  draw::TextBuffer text;

  TopDownFixture() {
    setScreenMode(screen, 640, 480);
    units::allocateUnitTable(units);
    units::allocatePathTable(paths);
    bank.slots = std::make_unique<assets::SpriteSlot[]>(SpriteSlotCount);
    for (int code = 0; code < 256; ++code) {
      const int slot = tileSlotFor(static_cast<std::uint8_t>(code));
      if (slot != NoTile) bank[slot] = makePicture(TileSize, TileSize, slot);
    }
    bank[RoadSlot] = makePicture(TileSize, TileSize, RoadSlot, true);
    bank[UnitPictureSlot] = makePicture(TileSize, TileSize, UnitPictureSlot, true);
  }

  TopDownWorld world() const { return {grid, origin, units, paths}; }

  units::UnitRecord& addUnit(int index, int x, int y, int level) {
    units::UnitRecord& u = units[index] = gloam::testing::unitAt(x, y, level);
    u.unitKind = 1;
    u.spriteSlot = UnitPictureSlot;
    u.maxHitPoints = 24.0f;
    u.hitPoints = 24.0f;
    return u;
  }

  // Stores a path for the PlayerUnit: entry k is cells[k] (entry 0 the goal).
  void setPlayerPath(const std::vector<std::pair<int, int>>& cells, int cursor) {
    int k = 0;
    for (const auto& [x, y] : cells) {
      paths.pathX[paths.pathIndex(units::PlayerUnitIndex, k)] = static_cast<std::uint32_t>(x);
      paths.pathY[paths.pathIndex(units::PlayerUnitIndex, k)] = static_cast<std::uint32_t>(y);
      ++k;
    }
    paths.pathCursor[units::PlayerUnitIndex] = cursor;
  }
};

// The benchmark's frame: level 2 fully tiled with a mix of codes, the PlayerUnit mid-screen with
// a 24-step path, and twenty more units with bars and labels.
inline void populateBusyLevel(TopDownFixture& f) {
  constexpr std::uint8_t codes[] = {60, 61, 68, 70, 76, 77, 86, 90, 128, 161, 10, 14};
  for (int y = 0; y < GridSide; ++y)
    for (int x = 0; x < GridSide; ++x) f.grid.setCell(x, y, 2, codes[(x * 7 + y * 3) % 12]);
  f.origin = {100, 100, 2};
  f.addUnit(units::PlayerUnitIndex, 120, 115, 2).moving = 1;
  std::vector<std::pair<int, int>> path;
  for (int k = 0; k < 24; ++k) path.emplace_back(121 + k / 2, 116 + k / 3);
  f.setPlayerPath(path, 23);
  for (int u = 2; u < 22; ++u) f.addUnit(u, 100 + u, 100 + u, 2).hitPoints = static_cast<float>(u);
}

}  // namespace gloam::views::testing
