// The sine and cosine tables and the object template table that start-up builds.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <tuple>
#include <vector>

#include "assets/object_templates.hpp"
#include "assets/trig_tables.hpp"
#include "core/constants.hpp"

namespace gloam::assets {
namespace {

// A rebuild would overwrite the marked entry.
TEST(TrigTables, BuildsOnceAndAfterAReleaseAgain) {
  TrigTables tables;
  releaseTrigTables(tables);  // nothing built yet
  buildTrigTables(tables);
  ASSERT_TRUE(tables.built());
  const float* sine = tables.sine.get();
  const float* cosine = tables.cosine.get();
  tables.sine[12345] = 42.0f;
  buildTrigTables(tables);
  EXPECT_EQ(tables.sine.get(), sine);
  EXPECT_EQ(tables.cosine.get(), cosine);
  EXPECT_EQ(tables.sine[12345], 42.0f);
  releaseTrigTables(tables);
  EXPECT_EQ(tables.sine, nullptr);
  EXPECT_EQ(tables.cosine, nullptr);
  buildTrigTables(tables);
  ASSERT_TRUE(tables.built());
  EXPECT_EQ(tables.sine[90000], 1.0f);
}

// Float counter, double angle with pi taken as 3.141592653 (so sin(180 degrees) is tiny, not 0).
TEST(TrigTables, EveryEntryMatchesThePlainLoopBitForBit) {
  TrigTables tables;
  buildTrigTables(tables);
  std::vector<float> sine(TrigTableSize), cosine(TrigTableSize);
  for (float a = 0.0f; a < 3600000.0f; a += 1.0f) {
    const double x = a * 0.017453292516666667 / 1000.0;
    sine[static_cast<int>(std::floor(a))] = static_cast<float>(std::sin(x));
    cosine[static_cast<int>(std::floor(a))] = static_cast<float>(std::cos(x));
  }
  int sineMismatches = 0, cosineMismatches = 0;
  for (int i = 0; i < TrigTableSize; ++i) {
    sineMismatches += std::memcmp(&sine[i], &tables.sine[i], sizeof(float)) != 0;
    cosineMismatches += std::memcmp(&cosine[i], &tables.cosine[i], sizeof(float)) != 0;
  }
  EXPECT_EQ(sineMismatches, 0);
  EXPECT_EQ(cosineMismatches, 0);
}

class ObjectTemplates : public ::testing::Test {
 protected:
  void SetUp() override {
    allocateObjectTemplateTable(table);
    buildObjectTemplates(table);
    makeTemplateCopies(table);
  }
  ObjectTemplateTable table;
};

// The first and last weapons, the copies' sources, the bag, the potion, the ends of an armour material.
TEST_F(ObjectTemplates, BuiltRecordsHoldTheirRows) {
  const std::pair<int, ObjectTemplate> rows[] = {
      // picture, number, traits, equip slot, weapon, power, bonus, power value, grade, price
      {6110, {600, 6110, {1, 0, 1, 1, 1}, 2, 1, 1, 0, 0.0f, 0.0f, 50}},
      {6111, {601, 6111, {1, 1, 0, 0, 0}, 1, 1, 2, 0, 0.0f, 0.0f, 180}},
      {6200, {630, 6200, {0, 1, 0, 0, 0}, 1, 1, 3, 0, 0.0f, 0.0f, 300}},
      {6316, {650, 6316, {0, 0, 0, 1, 0}, 2, 1, 2, 0, 0.0f, 0.0f, 180}},
      {6320, {654, 6320, {0, 0, 0, 1, 0}, 1, 1, 14, 0, 0.0f, 4.0f, 60000}},
      {7000, {3000, 7000, {0, 0, 0, 0, 0}, 0, 0, 0, 0, 0.0f, 0.0f, 30}},
      {7100, {682, 7100, {0, 0, 0, 0, 0}, 0, 0, 200, 0, 0.0f, 0.0f, 50}},
      {8250, {744, 8250, {1, 1, 1, 1, 1}, 10, 0, 0, 0, 0.0f, 0.6f, 280}},
      {8263, {744, 8263, {1, 1, 1, 1, 1}, 23, 0, 0, 0, 0.0f, 0.6f, 280}},
      {8264, {}},
      {8333, {746, 8333, {1, 1, 1, 1, 1}, 23, 0, 0, 0, 0.0f, 0.9f, 600}},
  };
  for (const auto& [record, expected] : rows) EXPECT_EQ(table[record], expected) << "record " << record;
}

// A copy is its source with the power carried as a real number; it keeps the source's number.
TEST_F(ObjectTemplates, CopiesDifferFromTheirSourceOnlyInPowerValue) {
  const std::tuple<int, int, float> copies[] = {
      {10000, 6110, 1.0f}, {9000, 6110, 1.0f}, {9001, 6111, 2.0f}, {9002, 6200, 3.0f}, {9003, 6316, 2.0f}};
  for (auto [copy, source, powerValue] : copies) {
    ObjectTemplate expected = table[source];
    expected.powerValue = powerValue;
    EXPECT_EQ(table[copy], expected) << "record " << copy;
  }
}

TEST_F(ObjectTemplates, EveryUnlistedRecordIsZero) {
  const ObjectTemplate zero{};
  int nonZero = 0, weapons = 0;
  for (int i = 0; i < ObjectTemplateCount; ++i) {
    if (table[i] == zero) continue;
    ++nonZero;
    weapons += table[i].isWeapon;
  }
  EXPECT_EQ(nonZero, 143 + 5);
  EXPECT_EQ(weapons, 29 + 5);
  EXPECT_EQ(table[0], zero);
  EXPECT_EQ(table[ObjectTemplateCount - 1], zero);
}

}  // namespace
}  // namespace gloam::assets
