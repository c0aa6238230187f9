// One colour as red, green and blue bytes: what every drawer takes, and what pictures are made of.
#pragma once
#include <cstdint>

namespace gloam {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(Rgb, Rgb) = default;
};

}  // namespace gloam
