// The ObjectTemplateTable: 230000 records describing weapons, bag, potion and armour, built into
// the program at start-up. Record numbers are fixed; every record not built reads all zero.
#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "core/constants.hpp"

namespace gloam::assets {

inline constexpr int TraitFlagCount = 5;

// Only the fields something gives a value to; the record's zero-only padding fields are left out.
struct ObjectTemplate {
  std::uint16_t pictureSlot = 0;  // SpriteBank slot; 0 is the blank picture and marks an empty record
  std::uint32_t templateId = 0;   // own record number; a copy keeps its source's number
  std::array<std::uint8_t, TraitFlagCount> traitFlags{};  // each 0 or 1
  std::uint8_t equipSlot = 0;                             // 1 or 2 for weapons, 10 + piece for armour, 0 otherwise
  std::uint8_t isWeapon = 0;
  std::uint8_t power = 0;   // weapon strength; 200 for the potion
  std::uint8_t bonus = 0;   // improvement level of a weapon, 0..3
  float powerValue = 0.0f;  // 0 in templates; copies carry `power` as a real number
  float grade = 0.0f;
  std::uint16_t price = 0;

  bool operator==(const ObjectTemplate&) const = default;
};

struct ObjectTemplateTable {
  std::unique_ptr<ObjectTemplate[]> records;  // ObjectTemplateCount records once allocated
  ObjectTemplate& operator[](int i) { return records[i]; }
  const ObjectTemplate& operator[](int i) const { return records[i]; }
  bool allocated() const { return records != nullptr; }
};

// ObjectTemplateCount zero-filled records.
void allocateObjectTemplateTable(ObjectTemplateTable& table);
// Drops the records if they exist.
void releaseObjectTemplateTable(ObjectTemplateTable& table);

// Writes record 0 (all zero) and the 143 templates: 29 weapons, bag, potion, 8 x 14 armour pieces.
void buildObjectTemplates(ObjectTemplateTable& table);

// Copies every field of `source` into `destination`, then sets the copy's powerValue to its power.
void copyObjectTemplate(ObjectTemplateTable& table, int destination, int source);

// The five start-up copies: 10000 and 9000 from 6110, 9001 from 6111, 9002 from 6200, 9003 from 6316.
void makeTemplateCopies(ObjectTemplateTable& table);

}  // namespace gloam::assets
