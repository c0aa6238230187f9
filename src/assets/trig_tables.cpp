// Builds the SineTable and CosineTable once: entry i is the sine or cosine of i/1000 degrees,
// computed in double from the float counter's value and rounded to float.
// The results must equal std::sin/std::cos rounded to float, entry for entry; see fast_sincos.hpp
// for how the quicker kernel guarantees that.
#include "assets/trig_tables.hpp"

#include "assets/fast_sincos.hpp"
#include "core/constants.hpp"

namespace gloam::assets {
namespace {

// Entries per pass: small enough for the double scratch to stay in the first-level cache, and a
// divisor of the table size so that every pass has the same fixed length (which lets the
// compiler vectorise the kernel loop without a remainder loop).
constexpr int BlockSize = 800;
static_assert(TrigTableSize % BlockSize == 0);

void fillBlock(TrigTables& tables, int first) {
  double sine[BlockSize];
  double cosine[BlockSize];
  for (int j = 0; j < BlockSize; ++j) {
    // The counter is a float in the table's definition; every integer below 2^24 is exact in
    // float, so converting the index directly gives the same angle.
    const double a = static_cast<float>(first + j);
    fastSinCos(a * DegreesToRadians / 1000.0, sine[j], cosine[j]);
  }
  for (int j = 0; j < BlockSize; ++j) {
    const double x = static_cast<float>(first + j) * DegreesToRadians / 1000.0;
    tables.sine[first + j] = roundSineToFloat(x, sine[j]);
    tables.cosine[first + j] = roundCosineToFloat(x, cosine[j]);
  }
}

}  // namespace

void buildTrigTables(TrigTables& tables) {
  if (tables.sine || tables.cosine) return;  // built once; a second call must not reallocate
  tables.sine = std::make_unique_for_overwrite<float[]>(TrigTableSize);
  tables.cosine = std::make_unique_for_overwrite<float[]>(TrigTableSize);
  for (int first = 0; first < TrigTableSize; first += BlockSize) fillBlock(tables, first);
}

}  // namespace gloam::assets
