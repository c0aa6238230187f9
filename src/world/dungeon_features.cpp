// Phase 2 of the generator: stairs between each level and the one above it, then five passes of
// items, each on random cells of random rooms of the level and only ever onto Floor.
#include <cstdint>

#include "world/cell_codes.hpp"
#include "world/dungeon_generator.hpp"

namespace gloam::world {
namespace {

constexpr int StairsAreaDivisor = 32;  // stairs per level: areaSize / 32 + 1

// An item pass's target is the level's room count divided by its divisor.
struct ItemPass {
  int roomsPerItem;
  std::uint8_t code;
};

constexpr ItemPass ItemPasses[] = {
    {25, cell::Chest}, {5, cell::Candelabrum}, {40, cell::Scrolls}, {25, cell::Coffin}, {60, cell::Fountain},
};

// Whether a pass keeps going once it has placed exactly its target. The item passes do, so they
// place one item more than their target; the stairs pass does not.
enum class StopRule { AtTarget, PastTarget };

// Runs one pass: each try picks a room of the level, then a cell of its rectangle, and hands it to
// `place`, which says whether it put something there.
template <typename Place>
void runPass(const GeneratorTables& tables, Rng& rng, int level, int target, StopRule stop, Place place) {
  if (target <= 0) return;
  const auto first = static_cast<int>(tables.levelFirstRoom[level]);
  const auto rooms = static_cast<int>(tables.levelEndRoom[level] - tables.levelFirstRoom[level]);
  int placed = 0;
  for (int tries = 0; tries < FeatureTriesPerPass; ++tries) {
    if (stop == StopRule::AtTarget ? placed >= target : placed > target) return;
    const RoomRecord& room = tables.roomTable[first + rng.below(rooms)];
    const int ox = rng.below(room.width);
    const int oy = rng.below(room.height);
    if (place(room.x + ox, room.y + oy, static_cast<int>(room.level))) ++placed;
  }
}

void placeStairs(DungeonGrid& grid, const GeneratorTables& tables, Rng& rng, int level, int areaSize) {
  const int target = areaSize / StairsAreaDivisor + 1;
  runPass(tables, rng, level, target, StopRule::AtTarget, [&grid](int x, int y, int z) {
    if (grid.cellAt(x, y, z) != cell::Floor || grid.cellAt(x, y, z - 1) != cell::Floor) return false;
    grid.setCell(x, y, z, cell::StairsUp);
    grid.setCell(x, y, z - 1, cell::StairsDown);
    return true;
  });
}

void placeItems(DungeonGrid& grid, const GeneratorTables& tables, Rng& rng, int level, int rooms) {
  for (const ItemPass& pass : ItemPasses) {
    runPass(tables, rng, level, rooms / pass.roomsPerItem, StopRule::PastTarget, [&grid, &pass](int x, int y, int z) {
      if (grid.cellAt(x, y, z) != cell::Floor) return false;
      grid.setCell(x, y, z, pass.code);
      return true;
    });
  }
}

}  // namespace

void placeDungeonFeatures(DungeonGrid& grid, const GeneratorTables& tables, Rng& rng, int firstLevel, int levelCount,
                          int areaSize) {
  for (int z = firstLevel; z < firstLevel + levelCount; ++z) {
    const auto rooms = static_cast<int>(tables.levelEndRoom[z] - tables.levelFirstRoom[z]);
    if (rooms <= 0) continue;
    if (z > firstLevel) placeStairs(grid, tables, rng, z, areaSize);
    placeItems(grid, tables, rng, z, rooms);
  }
}

}  // namespace gloam::world
