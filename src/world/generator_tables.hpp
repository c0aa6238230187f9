// The dungeon generator's tables: the RoomTable with RoomCount, the per-level runs of rooms
// (LevelFirstRoom, LevelEndRoom) and the template scratch. Allocated and released as one.
#pragma once
#include <cstdint>
#include <memory>

#include "core/constants.hpp"
#include "world/room_template.hpp"

namespace gloam::world {

inline constexpr int RoomCapacity = LevelCount * 6000;  // 1,080,000
inline constexpr int LevelRunEntries = LevelCount + 1;

struct RoomRecord {
  std::uint16_t x;  // column of the left edge
  std::uint16_t y;  // row of the top edge
  std::uint16_t width;
  std::uint16_t height;
  std::uint16_t level;
  std::uint32_t index;  // the record's own index in the RoomTable
  std::uint8_t templateIndex;
  friend bool operator==(const RoomRecord&, const RoomRecord&) = default;
};

struct GeneratorTables {
  std::unique_ptr<RoomRecord[]> roomTable;          // RoomTable: RoomCapacity records
  int roomCount = 0;                                // RoomCount: records in use
  std::unique_ptr<std::uint32_t[]> levelFirstRoom;  // LevelFirstRoom: by absolute level
  std::unique_ptr<std::uint32_t[]> levelEndRoom;    // LevelEndRoom: one past the level's last room
  TemplateScratch scratch;

  bool allocated() const { return roomTable != nullptr; }
};

// Allocates every table zeroed; RoomCount and the room size start at 0.
void allocateGeneratorTables(GeneratorTables& tables);

// Releases each table that exists and clears its pointer; safe to call on released tables.
void releaseGeneratorTables(GeneratorTables& tables);

}  // namespace gloam::world
