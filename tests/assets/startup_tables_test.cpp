// The sine and cosine tables: the build-once rule, and bit-for-bit agreement with the plain
// per-entry loop (float counter, double angle, std::sin/std::cos, rounded to float). The angles
// are taken with pi as 3.141592653, a little short, so sin(180 degrees) is tiny but not 0.
#include "assets/trig_tables.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "core/constants.hpp"

namespace gloam::assets {
namespace {

// A second build keeps the tables and their values (a rebuild would overwrite the marked entry);
// release, also before any build, empties both and allows a fresh build.
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

}  // namespace
}  // namespace gloam::assets
