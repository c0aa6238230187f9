// Turning a submitted line into words and words into numbers, without the C library's hidden
// state: the split keeps its position in a local cursor, so two lines can be split at once.
#pragma once
#include <string_view>

#include "console/console_state.hpp"

namespace gloam::console {

// The separators of a command line: space, hyphen, comma, tab, newline. A run of them counts as
// one separator, and leading or trailing ones produce no empty word.
inline constexpr std::string_view WordSeparators = " -,\t\n";

// Splits line (read up to its terminator) into words, stored in order into tokens[0..tokenCount-1];
// words beyond tokenCount are counted but not stored, and a word longer than a buffer is cut to
// CommandTokenSize - 1 characters. Returns the number of words in the line.
int splitCommandWords(const char* line, CommandToken* tokens, int tokenCount);

// ASCII comparison without regard to case; bytes above 127 compare as they are.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// The leading decimal number of a word the way atoi reads it: optional white space, an optional
// sign, digits up to the first non-digit; no digits read as 0. Out-of-range values saturate at
// the int limits instead of overflowing.
int parseLeadingInt(const char* word);

}  // namespace gloam::console
