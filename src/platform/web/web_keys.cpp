// The code table covers what the desktop key map covers: digits, F1..F12, the arrows, the editing
// keys and the keypad's plus and minus. Letters are taken from `key` when it is one ASCII letter.
#include "platform/web/web_keys.hpp"

#include "platform/keys.hpp"

namespace gloam::platform {
namespace {

struct CodeEntry {
  std::string_view code;
  int virtualKey;
};

constexpr CodeEntry Codes[] = {
    {"Backspace", vk::Backspace}, {"Tab", vk::Tab},
    {"Enter", vk::Enter},         {"NumpadEnter", vk::Enter},
    {"ShiftLeft", vk::Shift},     {"ShiftRight", vk::Shift},
    {"Escape", vk::Escape},       {"Space", vk::Space},
    {"ArrowLeft", vk::Left},      {"ArrowUp", vk::Up},
    {"ArrowRight", vk::Right},    {"ArrowDown", vk::Down},
    {"NumpadAdd", vk::NumpadAdd}, {"NumpadSubtract", vk::NumpadSubtract},
};

constexpr int FunctionKeyCount = 12;  // F1..F12

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
    return n >= 1 && n <= FunctionKeyCount ? vk::function(n) : 0;
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

// The browser numbers its buttons left 0, middle 1, right 2.
int virtualKeyForButton(int button) {
  switch (button) {
    case 0: return vk::LeftButton;
    case 1: return vk::MiddleButton;
    case 2: return vk::RightButton;
    default: return 0;
  }
}

bool browserMustNotHandle(int virtualKey) {
  return virtualKey == vk::Tab || virtualKey == vk::Backspace || virtualKey == vk::Space ||
         (virtualKey >= vk::Left && virtualKey <= vk::Down) ||
         (virtualKey >= vk::F1 && virtualKey < vk::function(FunctionKeyCount + 1));
}

}  // namespace gloam::platform
