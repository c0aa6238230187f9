// The keys that type a character, in the order a call tests them, with the Shift state each
// needs. Backspace and Enter are not here: they edit or submit, they do not type.
#pragma once
#include <array>

#include "platform/keys.hpp"

namespace gloam::console {

enum class ShiftRule { Ignored, MustBeUp, MustBeDown };

struct TypedKey {
  int virtualKey;
  ShiftRule shift;
  char character;
};

inline constexpr int LetterCount = 26;
inline constexpr int DigitCount = 10;
inline constexpr int TypedKeyCount = 1 + 2 * LetterCount + DigitCount;

// Space; A..Z lower case with Shift up; A..Z upper case with Shift down; 0..9. The letters are
// two passes, lower then upper, not one pass choosing the case: they differ when Shift changes
// during a pause (A held, Shift pressed during the pause after 'a', types "aA" in one call), and
// the two-pass order is the one the line's key order is defined by.
constexpr std::array<TypedKey, TypedKeyCount> buildTypedKeys() {
  std::array<TypedKey, TypedKeyCount> keys{};
  int i = 0;
  keys[i++] = {vk::Space, ShiftRule::Ignored, ' '};
  for (int k = 0; k < LetterCount; ++k) keys[i++] = {vk::KeyA + k, ShiftRule::MustBeUp, static_cast<char>('a' + k)};
  for (int k = 0; k < LetterCount; ++k) keys[i++] = {vk::KeyA + k, ShiftRule::MustBeDown, static_cast<char>('A' + k)};
  for (int k = 0; k < DigitCount; ++k) keys[i++] = {vk::Digit0 + k, ShiftRule::Ignored, static_cast<char>('0' + k)};
  return keys;
}

inline constexpr std::array<TypedKey, TypedKeyCount> TypedKeys = buildTypedKeys();

}  // namespace gloam::console
