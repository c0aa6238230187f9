// The object templates as data tables (weapons, bag and potion, armour materials) and the routines
// that write them into the ObjectTemplateTable and copy records. Nothing reads the table at run time.
#include "assets/object_templates.hpp"

namespace gloam::assets {
namespace {

struct ItemRow {
  int record;
  std::uint16_t pictureSlot;
  std::array<std::uint8_t, TraitFlagCount> traitFlags;
  std::uint8_t equipSlot;
  std::uint8_t power;
  std::uint8_t bonus;
  float grade;
  std::uint16_t price;
};

constexpr int FirstNonWeaponRow = 29;  // rows below are weapons; the bag and the potion follow

constexpr ItemRow ItemRows[] = {
    // record, picture, traitFlags, equipSlot, power, bonus, grade, price
    {6110, 600, {1, 0, 1, 1, 1}, 2, 1, 0, 0.0f, 50},      // knife
    {6111, 601, {1, 1, 0, 0, 0}, 1, 2, 0, 0.0f, 180},     // dagger
    {6112, 602, {1, 0, 0, 0, 1}, 1, 3, 0, 0.0f, 300},     // short sword
    {6113, 603, {0, 1, 0, 0, 0}, 2, 3, 1, 0.2f, 400},     // gauche
    {6114, 604, {1, 0, 0, 0, 0}, 1, 4, 0, 0.0f, 430},     // long sword
    {6115, 605, {1, 0, 0, 0, 0}, 1, 5, 0, 0.0f, 560},     // bastard sword
    {6116, 606, {1, 1, 0, 0, 1}, 2, 5, 1, 0.0f, 700},     // kopesh
    {6117, 607, {0, 1, 0, 0, 0}, 1, 6, 0, 1.0f, 1000},    // blade
    {6118, 608, {0, 1, 0, 0, 1}, 1, 6, 1, 2.8f, 2000},    // blade, ameliorated
    {6119, 609, {0, 1, 0, 0, 1}, 1, 7, 0, 0.0f, 3000},    // behead
    {6120, 610, {1, 0, 0, 0, 0}, 1, 6, 1, 0.0f, 700},     // broad sword
    {6121, 611, {0, 1, 0, 0, 1}, 2, 8, 0, 0.0f, 2300},    // horner
    {6122, 612, {1, 0, 0, 0, 0}, 1, 8, 1, 0.0f, 980},     // glaive
    {6123, 613, {1, 0, 0, 0, 0}, 1, 8, 2, 2.0f, 1300},    // saber
    {6124, 614, {1, 0, 0, 0, 1}, 1, 8, 3, 4.0f, 2900},    // saber, ameliorated
    {6125, 615, {1, 0, 0, 0, 1}, 1, 9, 0, 1.5f, 5000},    // whale blade
    {6126, 616, {1, 0, 0, 0, 1}, 1, 9, 2, 3.3f, 10000},   // whale blade, ameliorated
    {6127, 617, {1, 0, 0, 0, 0}, 1, 10, 0, 0.0f, 1200},   // two-handed sword
    {6128, 618, {1, 0, 0, 0, 1}, 1, 11, 0, 0.0f, 6000},   // two-bladed sword
    {6129, 619, {1, 0, 0, 0, 1}, 1, 12, 0, 3.2f, 28000},  // two-bladed sword, ameliorated
    {6200, 630, {0, 1, 0, 0, 0}, 1, 3, 0, 0.0f, 300},     // maul
    {6201, 631, {0, 1, 0, 0, 0}, 1, 5, 1, 0.0f, 600},     // morningstar
    {6202, 632, {0, 1, 0, 0, 0}, 1, 8, 0, 0.0f, 3000},    // mace
    {6203, 633, {0, 1, 0, 0, 0}, 1, 8, 0, 0.0f, 3000},    // war mace
    {6316, 650, {0, 0, 0, 1, 0}, 2, 2, 0, 0.0f, 180},     // hand axe
    {6317, 651, {0, 0, 0, 1, 0}, 1, 3, 0, 0.0f, 380},     // axe
    {6318, 652, {0, 0, 0, 1, 0}, 1, 8, 0, 0.0f, 4000},    // battle axe
    {6319, 655, {0, 0, 0, 1, 0}, 1, 12, 0, 2.8f, 32000},  // iron rubioux battle axe
    {6320, 654, {0, 0, 0, 1, 0}, 1, 14, 0, 4.0f, 60000},  // iron ordered battle axe
    {7000, 3000, {0, 0, 0, 0, 0}, 0, 0, 0, 0.0f, 30},     // bag
    {7100, 682, {0, 0, 0, 0, 0}, 0, 200, 0, 0.0f, 50},    // potion
};
static_assert(std::size(ItemRows) == FirstNonWeaponRow + 2);

struct ArmourMaterial {
  int baseRecord;
  std::uint16_t pictureSlot;
  float grade;
  std::uint16_t price;
};

constexpr ArmourMaterial ArmourMaterials[] = {
    {8100, 730, 0.1f, 30},   // robe
    {8130, 740, 0.2f, 70},   // leather
    {8170, 741, 0.3f, 120},  // studded leather
    {8200, 742, 0.4f, 160},  // chain
    {8220, 743, 0.5f, 210},  // scale
    {8250, 744, 0.6f, 280},  // plate
    {8280, 745, 0.7f, 350},  // full plate
    {8320, 746, 0.9f, 600},  // magic
};

// Suit, hat, cape, georget, scaling, torso, greeves, bracers, ring, gloves, shield, sleeves,
// circlet, boots: piece p sits at record base + p and is worn at place 10 + p.
constexpr int ArmourPieceCount = 14;
constexpr std::uint8_t FirstArmourEquipSlot = 10;

void writeItemRow(ObjectTemplateTable& table, const ItemRow& row, bool isWeapon) {
  ObjectTemplate& record = table[row.record];
  record = ObjectTemplate{};
  record.pictureSlot = row.pictureSlot;
  record.templateId = static_cast<std::uint32_t>(row.record);
  record.traitFlags = row.traitFlags;
  record.equipSlot = row.equipSlot;
  record.isWeapon = isWeapon ? 1 : 0;
  record.power = row.power;
  record.bonus = row.bonus;
  record.grade = row.grade;
  record.price = row.price;
}

void writeArmourMaterial(ObjectTemplateTable& table, const ArmourMaterial& material) {
  for (int piece = 0; piece < ArmourPieceCount; ++piece) {
    const int recordNumber = material.baseRecord + piece;
    ObjectTemplate& record = table[recordNumber];
    record = ObjectTemplate{};
    record.pictureSlot = material.pictureSlot;
    record.templateId = static_cast<std::uint32_t>(recordNumber);
    record.traitFlags = {1, 1, 1, 1, 1};
    record.equipSlot = static_cast<std::uint8_t>(FirstArmourEquipSlot + piece);
    record.grade = material.grade;
    record.price = material.price;
  }
}

}  // namespace

void allocateObjectTemplateTable(ObjectTemplateTable& table) {
  table.records = std::make_unique<ObjectTemplate[]>(ObjectTemplateCount);
}

void releaseObjectTemplateTable(ObjectTemplateTable& table) { table.records.reset(); }

void buildObjectTemplates(ObjectTemplateTable& table) {
  table[0] = ObjectTemplate{};
  for (int i = 0; i < static_cast<int>(std::size(ItemRows)); ++i) {
    writeItemRow(table, ItemRows[i], i < FirstNonWeaponRow);
  }
  for (const ArmourMaterial& material : ArmourMaterials) writeArmourMaterial(table, material);
}

void copyObjectTemplate(ObjectTemplateTable& table, int destination, int source) {
  table[destination] = table[source];
  table[destination].powerValue = static_cast<float>(table[destination].power);
}

void makeTemplateCopies(ObjectTemplateTable& table) {
  copyObjectTemplate(table, 10000, 6110);
  copyObjectTemplate(table, 9000, 6110);
  copyObjectTemplate(table, 9001, 6111);
  copyObjectTemplate(table, 9002, 6200);
  copyObjectTemplate(table, 9003, 6316);
}

}  // namespace gloam::assets
