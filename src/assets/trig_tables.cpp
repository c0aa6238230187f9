// Builds the SineTable and CosineTable once: entry i is the sine or cosine of i/1000 degrees,
// computed in double from the float counter's value and rounded to float.
// The results must equal std::sin/std::cos rounded to float, entry for entry; see fast_sincos.hpp
// for how the quicker kernel guarantees that.
#include "assets/trig_tables.hpp"

#include <cmath>

#include "assets/fast_sincos.hpp"
#include "core/constants.hpp"

namespace gloam::assets {
namespace {

// Entries per pass: small enough for the double scratch to stay in the first-level cache, and a
// divisor of the table size so that every pass has the same fixed length (which lets the
// compiler vectorise the kernel loop without a remainder loop).
constexpr int BlockSize = 800;
static_assert(TrigTableSize % BlockSize == 0);

double angleOf(int entry) {
  // The counter is a float in the table's definition; every integer below 2^24 is exact in
  // float, so converting the index directly gives the same angle.
  return static_cast<double>(static_cast<float>(entry)) * DegreesToRadians / 1000.0;
}

// Three passes: the branch-free kernel (vectorised by the compiler), the rounding to float with a
// count of values too close to a rounding boundary, and the C library for those few.
void fillBlock(TrigTables& tables, int first) {
  double sine[BlockSize];
  double cosine[BlockSize];
  for (int j = 0; j < BlockSize; ++j) fastSinCos(angleOf(first + j), sine[j], cosine[j]);

  float* sineOut = tables.sine.get() + first;
  float* cosineOut = tables.cosine.get() + first;
  int uncertain = 0;
  for (int j = 0; j < BlockSize; ++j) {
    sineOut[j] = static_cast<float>(sine[j]);
    cosineOut[j] = static_cast<float>(cosine[j]);
    uncertain += static_cast<int>(!roundsSafely(sine[j])) + static_cast<int>(!roundsSafely(cosine[j]));
  }
  if (uncertain == 0) return;  // the usual case: about one block in twenty has any
  for (int j = 0; j < BlockSize; ++j) {
    if (roundsSafely(sine[j]) && roundsSafely(cosine[j])) continue;
    sineOut[j] = static_cast<float>(std::sin(angleOf(first + j)));
    cosineOut[j] = static_cast<float>(std::cos(angleOf(first + j)));
  }
}

}  // namespace

void buildTrigTables(TrigTables& tables) {
  if (tables.sine || tables.cosine) return;  // built once; a second call must not reallocate
  tables.sine = std::make_unique_for_overwrite<float[]>(TrigTableSize);
  tables.cosine = std::make_unique_for_overwrite<float[]>(TrigTableSize);
  for (int first = 0; first < TrigTableSize; first += BlockSize) fillBlock(tables, first);
}

void releaseTrigTables(TrigTables& tables) {
  tables.sine.reset();
  tables.cosine.reset();
}

}  // namespace gloam::assets
