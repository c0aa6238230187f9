// The game's own portable random generator: the same seed gives the same world on every machine.
// Every random draw of the game goes through one Rng owned by the Game, in a fixed order.
#pragma once
#include <cstdint>

namespace gloam {

struct Rng {
  std::uint32_t state = 1;

  void seed(std::uint32_t s) { state = s; }

  // A linear congruential step; the result is 15 bits, 0..32767.
  int next() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
  }

  // rnd(n): the next draw modulo n, taken as unsigned. n is never 0.
  int below(int n) { return static_cast<int>(static_cast<unsigned>(next()) % static_cast<unsigned>(n)); }
};

}  // namespace gloam
