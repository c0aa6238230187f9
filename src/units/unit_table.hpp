// The UnitTable: every creature of the world is one UnitRecord in a fixed table of 3000.
// A zeroed record is an empty slot; only the PlayerUnit (index 1) is ever filled in.
#pragma once
#include <cstdint>
#include <memory>

#include "core/constants.hpp"

namespace gloam::units {

inline constexpr int PlayerUnitIndex = 1;

struct UnitRecord {
  std::uint8_t inUse;
  std::uint16_t cellX;
  std::uint16_t cellY;
  std::uint16_t level;
  std::uint16_t destX;
  std::uint16_t destY;
  std::uint16_t nextX;
  std::uint16_t nextY;
  std::uint16_t moving;
  float offsetX;
  float offsetY;
  float offsetZ;
  float prevOffsetX;
  float prevOffsetY;
  float prevOffsetZ;
  std::uint16_t blocksPaths;
  std::uint16_t spriteSlot;
  std::uint16_t unitKind;
  float maxHitPoints;
  float hitPoints;
  std::uint8_t disabled;
  std::uint8_t barStyle;
  float walkPhase;
  friend bool operator==(const UnitRecord&, const UnitRecord&) = default;
};

struct UnitTable {
  std::unique_ptr<UnitRecord[]> records;  // UnitSlotCount records once allocated
  UnitRecord& operator[](int i) { return records[i]; }
  const UnitRecord& operator[](int i) const { return records[i]; }
  bool allocated() const { return records != nullptr; }
};

// Allocates 3000 zeroed records.
void allocateUnitTable(UnitTable& table);

// Frees the records if they exist and leaves the table empty.
void releaseUnitTable(UnitTable& table);

}  // namespace gloam::units
