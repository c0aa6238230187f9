// A branch-free double sine and cosine for the trig table build, and the test that tells when its
// result, rounded to float, could differ from the C library's.
#pragma once
#include <bit>
#include <cmath>
#include <cstdint>

namespace gloam::assets {

// Sine and cosine of x for 0 <= x < 100, within a few units in the last place of a double.
// Reduction by pi/2 in three parts (each product k * part is exact for k < 2^20), then the
// classic minimax polynomials on [-pi/4, pi/4].
inline void fastSinCos(double x, double& sine, double& cosine) {
  constexpr double TwoOverPi = 6.36619772367581382433e-01;
  constexpr double HalfPi1 = 1.57079632673412561417e+00;  // first 33 bits of pi/2
  constexpr double HalfPi2 = 6.07710050630396597660e-11;  // next 33 bits
  constexpr double HalfPi2Tail = 2.02226624879595063154e-21;
  constexpr double RoundingShift = 0x1.8p52;  // adding it rounds to an integer in the low bits

  const double shifted = x * TwoOverPi + RoundingShift;
  const double k = shifted - RoundingShift;
  const std::uint64_t quadrant = std::bit_cast<std::uint64_t>(shifted) & 3u;
  const double r = ((x - k * HalfPi1) - k * HalfPi2) - k * HalfPi2Tail;

  const double z = r * r;
  const double sinPoly =
      -1.66666666666666324348e-01 +
      z * (8.33333333332248946124e-03 +
           z * (-1.98412698298579493134e-04 +
                z * (2.75573137070700676789e-06 + z * (-2.50507602534068634195e-08 + z * 1.58969099521155010221e-10))));
  const double cosPoly =
      4.16666666666666019037e-02 +
      z * (-1.38888888888741095749e-03 +
           z * (2.48015872894767294178e-05 + z * (-2.75573143513906633035e-07 +
                                                  z * (2.08757232129817482790e-09 + z * -1.13596475577881948265e-11))));
  const std::uint64_t s = std::bit_cast<std::uint64_t>(r + r * z * sinPoly);
  const std::uint64_t c = std::bit_cast<std::uint64_t>(1.0 - (0.5 * z - z * z * cosPoly));

  // Quadrant fix-up with bit masks instead of branches, so the compiler can vectorise the caller's
  // loop: odd quadrants exchange sine and cosine, and the sign bit flips where the result is negative.
  const std::uint64_t exchange = 0 - (quadrant & 1u);
  const std::uint64_t sineSign = (quadrant & 2u) << 62;
  const std::uint64_t cosineSign = ((quadrant + 1u) & 2u) << 62;
  sine = std::bit_cast<double>(((s & ~exchange) | (c & exchange)) ^ sineSign);
  cosine = std::bit_cast<double>(((c & ~exchange) | (s & exchange)) ^ cosineSign);
}

// True when `value` lies clearly away from a float rounding boundary: rounding a double to float
// drops its 29 low mantissa bits, and the result can only depend on errors of a few units in the
// last place when those bits sit within a few units of the halfway pattern 1 << 28. The margin
// (2^13 units) is far wider than the error of the kernel above or of the C library, so a value that
// passes rounds to the same float as the C library's result would. Integer-only, so it vectorises.
inline bool roundsSafely(double value) {
  constexpr std::int32_t Halfway = 1 << 28;
  constexpr std::int32_t Margin = 1 << 13;
  const auto dropped = static_cast<std::int32_t>(std::bit_cast<std::uint64_t>(value) & 0x1FFFFFFFu);
  const std::int32_t fromHalfway = dropped - Halfway;
  return fromHalfway < -Margin || fromHalfway > Margin;
}

}  // namespace gloam::assets
