// Builds the SineTable and CosineTable once: entry i is the sine or cosine of i/1000 degrees.
// The counter is a float and the angle is computed in double, then each result is rounded to float.
#include "assets/trig_tables.hpp"

#include <cmath>

#include "core/constants.hpp"

namespace gloam::assets {

void buildTrigTables(TrigTables& tables) {
  if (tables.sine || tables.cosine) return;  // built once; a second call must not reallocate
  tables.sine = std::make_unique<float[]>(TrigTableSize);
  tables.cosine = std::make_unique<float[]>(TrigTableSize);
  // The float counter is exact over the whole range: every integer below 2^24 is representable.
  for (float a = 0.0f; a < static_cast<float>(TrigTableSize); a += 1.0f) {
    const double x = a * DegreesToRadians / 1000.0;
    const int i = static_cast<int>(std::floor(a));
    tables.sine[i] = static_cast<float>(std::sin(x));
    tables.cosine[i] = static_cast<float>(std::cos(x));
  }
}

}  // namespace gloam::assets
