// Allocation and release of the generator tables.
#include "world/generator_tables.hpp"

namespace gloam::world {

void allocateGeneratorTables(GeneratorTables& tables) {
  tables.roomTable = std::make_unique<RoomRecord[]>(RoomCapacity);
  tables.roomCount = 0;
  tables.levelFirstRoom = std::make_unique<std::uint32_t[]>(LevelRunEntries);
  tables.levelEndRoom = std::make_unique<std::uint32_t[]>(LevelRunEntries);
  tables.scratch.cells = std::make_unique<std::int8_t[]>(ScratchCells);
  tables.scratch.roomWidth = 0;
  tables.scratch.roomHeight = 0;
}

void releaseGeneratorTables(GeneratorTables& tables) {
  if (tables.roomTable) tables.roomTable.reset();
  if (tables.levelFirstRoom) tables.levelFirstRoom.reset();
  if (tables.levelEndRoom) tables.levelEndRoom.reset();
  if (tables.scratch.cells) tables.scratch.cells.reset();
  tables.roomCount = 0;
}

}  // namespace gloam::world
