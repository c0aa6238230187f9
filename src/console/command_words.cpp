// The word split and the number reader behind command lines. Both treat every byte 1..255 as
// ordinary data, so any line, typed or not, is safe to split.
#include "console/command_words.hpp"

#include <climits>
#include <cstring>

namespace gloam::console {
namespace {

bool isSeparator(char c) { return c != '\0' && WordSeparators.find(c) != std::string_view::npos; }

// The white space atoi skips before a number (the C locale's isspace).
bool isLeadingSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

void storeWord(CommandToken& token, const char* start, std::size_t length) {
  const std::size_t kept = length < token.size() - 1 ? length : token.size() - 1;
  std::memcpy(token.data(), start, kept);
  token[kept] = '\0';
}

}  // namespace

int splitCommandWords(const char* line, CommandToken* tokens, int tokenCount) {
  int words = 0;
  const char* p = line;
  for (;;) {
    while (isSeparator(*p)) ++p;
    if (*p == '\0') return words;
    const char* start = p;
    while (*p != '\0' && !isSeparator(*p)) ++p;
    if (words < tokenCount) storeWord(tokens[words], start, static_cast<std::size_t>(p - start));
    ++words;
  }
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
  return true;
}

int parseLeadingInt(const char* word) {
  const char* p = word;
  while (isLeadingSpace(*p)) ++p;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  // Accumulate as a negative magnitude: its range reaches INT_MIN, so saturation needs no
  // wider type and no overflowing step.
  int value = 0;
  for (; isDigit(*p); ++p) {
    const int digit = *p - '0';
    if (value < (INT_MIN + digit) / 10) {
      value = INT_MIN;
      break;
    }
    value = value * 10 - digit;
  }
  if (!negative) return value == INT_MIN ? INT_MAX : -value;
  return value;
}

}  // namespace gloam::console
