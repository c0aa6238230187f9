// The generator must give the same sequence on every machine: these values pin it.
#include <gtest/gtest.h>

#include "core/rng.hpp"

namespace gloam {
namespace {

TEST(Rng, FirstDrawsFromSeedOneMatchTheClassicSequence) {
  Rng rng;
  rng.seed(1);
  EXPECT_EQ(rng.next(), 41);
  EXPECT_EQ(rng.next(), 18467);
  EXPECT_EQ(rng.next(), 6334);
  EXPECT_EQ(rng.next(), 26500);
}

TEST(Rng, DrawsStayInFifteenBitsAndBelowIsUnsignedModulo) {
  Rng rng;
  rng.seed(0xDEADBEEF);
  for (int i = 0; i < 10000; ++i) {
    const int v = rng.next();
    ASSERT_GE(v, 0);
    ASSERT_LE(v, 32767);
  }
  Rng a, b;
  a.seed(77);
  b.seed(77);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(a.below(254), b.next() % 254);
}

}  // namespace
}  // namespace gloam
