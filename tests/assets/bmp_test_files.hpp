// Test helpers: byte images of 24-bit BMP files, and the scratch directory the tests write them into.
#pragma once
#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "support/scratch_dir.hpp"

namespace gloam::assets::testing {

using Bytes = std::vector<std::uint8_t>;

inline void putLittleEndian32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A 54-byte header as a common image editor writes it, followed by `pixelData` as given.
inline Bytes makeBmp(std::uint32_t width, std::uint32_t height, const Bytes& pixelData, std::uint8_t bitCount = 24) {
  Bytes bytes(54 + pixelData.size(), 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  putLittleEndian32(bytes, 2, static_cast<std::uint32_t>(54 + pixelData.size()));
  putLittleEndian32(bytes, 10, 54);  // pixel-data offset
  putLittleEndian32(bytes, 14, 40);  // info-header size
  putLittleEndian32(bytes, 18, width);
  putLittleEndian32(bytes, 22, height);
  bytes[26] = 1;  // planes
  bytes[28] = bitCount;
  std::copy(pixelData.begin(), pixelData.end(), bytes.begin() + 54);
  return bytes;
}

// `count` bytes that differ from file to file, so copies can be told apart.
inline Bytes patternBytes(std::size_t count, std::uint32_t seed) {
  std::mt19937 generator(seed);
  Bytes bytes(count);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(generator());
  return bytes;
}

using gloam::testing::ScratchDir;

}  // namespace gloam::assets::testing
