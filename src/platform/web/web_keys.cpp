// The code table covers what the desktop key map covers: digits, F1..F12, the arrows, the editing
// keys and the keypad's plus and minus. Letters are taken from `key` when it is one ASCII letter.
#include "platform/web/web_keys.hpp"

namespace gloam::platform {
namespace {

struct CodeEntry {
  std::string_view code;
  int virtualKey;
};

constexpr CodeEntry Codes[] = {
    {"Backspace", 8},   {"Tab", 9},        {"Enter", 13},      {"NumpadEnter", 13},     {"ShiftLeft", 16},
    {"ShiftRight", 16}, {"Escape", 27},    {"Space", 32},      {"ArrowLeft", 37},       {"ArrowUp", 38},
    {"ArrowRight", 39}, {"ArrowDown", 40}, {"NumpadAdd", 107}, {"NumpadSubtract", 109},
};

constexpr int FirstFunctionKey = 112;  // F1; F12 is 123
constexpr int FunctionKeyCount = 12;

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// "Digit0".."Digit9" and "Key" + letter are the physical keys of the main block.
int fromPhysicalCode(std::string_view code) {
  if (code.size() == 6 && code.substr(0, 5) == "Digit" && code[5] >= '0' && code[5] <= '9') return code[5];
  if (code.size() == 4 && code.substr(0, 3) == "Key" && code[3] >= 'A' && code[3] <= 'Z') return code[3];
  if (code.size() >= 2 && code.size() <= 3 && code[0] == 'F') {
    int n = 0;
    for (char c : code.substr(1)) {
      if (c < '0' || c > '9') return 0;
      n = n * 10 + (c - '0');
    }
    return n >= 1 && n <= FunctionKeyCount ? FirstFunctionKey + n - 1 : 0;
  }
  for (const CodeEntry& e : Codes)
    if (e.code == code) return e.virtualKey;
  return 0;
}

}  // namespace

int virtualKeyFor(std::string_view key, std::string_view code) {
  if (key.size() == 1 && isAsciiLetter(key[0])) return key[0] & ~0x20;  // upper case
  // A letter key typed as a non-ASCII character (another layout) still has a virtual key.
  return fromPhysicalCode(code);
}

int virtualKeyForButton(int button) {
  switch (button) {
    case 0: return 1;
    case 1: return 4;
    case 2: return 2;
    default: return 0;
  }
}

bool browserMustNotHandle(int virtualKey) {
  return virtualKey == 9 || virtualKey == 8 || virtualKey == 32 || (virtualKey >= 37 && virtualKey <= 40) ||
         (virtualKey >= FirstFunctionKey && virtualKey < FirstFunctionKey + FunctionKeyCount);
}

}  // namespace gloam::platform
