// The object template table after start-up: the example records, the copies and the zero records.
#include "assets/object_templates.hpp"

#include <gtest/gtest.h>

namespace gloam::assets {
namespace {

class ObjectTemplates : public ::testing::Test {
 protected:
  void SetUp() override {
    allocateObjectTemplateTable(table);
    buildObjectTemplates(table);
    makeTemplateCopies(table);
  }
  ObjectTemplateTable table;
};

TEST_F(ObjectTemplates, CopyOfKnifeDiffersOnlyInPowerValue) {
  ObjectTemplate copy = table[10000];
  EXPECT_EQ(copy.templateId, 6110u);
  EXPECT_EQ(copy.powerValue, 1.0f);
  copy.powerValue = 0.0f;
  EXPECT_EQ(copy, table[6110]);
  EXPECT_EQ(table[9000], table[10000]);
  EXPECT_EQ(table[6110].pictureSlot, 600);
  EXPECT_EQ(table[6110].traitFlags, (std::array<std::uint8_t, 5>{1, 0, 1, 1, 1}));
}

TEST_F(ObjectTemplates, HandAxeCopyCarriesSourceNumberAndPower) {
  const ObjectTemplate& copy = table[9003];
  EXPECT_EQ(copy.templateId, 6316u);
  EXPECT_EQ(copy.powerValue, 2.0f);
  EXPECT_EQ(copy.pictureSlot, 650);
  EXPECT_EQ(copy.equipSlot, 2);
  EXPECT_EQ(copy.isWeapon, 1);
  EXPECT_EQ(table[9001].templateId, 6111u);
  EXPECT_EQ(table[9002].templateId, 6200u);
  EXPECT_EQ(table[9002].powerValue, 3.0f);
}

TEST_F(ObjectTemplates, ArmourPiecesShareMaterialAndTakeTheirPlace) {
  const ObjectTemplate& boots = table[8263];  // plate, piece 13
  EXPECT_EQ(boots.templateId, 8263u);
  EXPECT_EQ(boots.equipSlot, 23);
  EXPECT_EQ(boots.pictureSlot, 744);
  EXPECT_EQ(boots.grade, 0.6f);
  EXPECT_EQ(boots.price, 280);
  EXPECT_EQ(boots.traitFlags, (std::array<std::uint8_t, 5>{1, 1, 1, 1, 1}));
  EXPECT_EQ(boots.isWeapon, 0);
  EXPECT_EQ(table[8250].equipSlot, 10);
  EXPECT_EQ(table[8264].pictureSlot, 0);  // one past the last piece
  EXPECT_EQ(table[8333].grade, 0.9f);
  EXPECT_EQ(table[8333].price, 600);
}

TEST_F(ObjectTemplates, WeaponsBagAndPotion) {
  int weapons = 0;
  for (int i = 0; i < ObjectTemplateCount; ++i) weapons += table[i].isWeapon;
  EXPECT_EQ(weapons, 29 + 5);  // the five copies are all of weapons
  EXPECT_EQ(table[7100].power, 200);
  EXPECT_EQ(table[7100].isWeapon, 0);
  EXPECT_EQ(table[7000].pictureSlot, 3000);
  EXPECT_EQ(table[7000].price, 30);
  EXPECT_EQ(table[6320].price, 60000);
  EXPECT_EQ(table[6320].power, 14);
}

TEST_F(ObjectTemplates, EveryUnlistedRecordIsZero) {
  const ObjectTemplate zero{};
  int nonZero = 0;
  for (int i = 0; i < ObjectTemplateCount; ++i) {
    if (!(table[i] == zero)) ++nonZero;
  }
  EXPECT_EQ(table[0], zero);
  EXPECT_EQ(nonZero, 143 + 5);
  EXPECT_EQ(table[ObjectTemplateCount - 1], zero);
}

}  // namespace
}  // namespace gloam::assets
