// The key table. SDL's digit scancodes are not contiguous (0 comes after 9), so digits and
// letters are mapped through explicit tables rather than arithmetic on the virtual-key code.
#include "platform/sdl/key_map.hpp"

namespace gloam::platform {
namespace {

constexpr SDL_Scancode None = SDL_SCANCODE_UNKNOWN;

struct KeyEntry {
  int virtualKey;
  SDL_Scancode primary;
  SDL_Scancode secondary;
};

constexpr KeyEntry SpecialKeys[] = {
    {8, SDL_SCANCODE_BACKSPACE, None},  {9, SDL_SCANCODE_TAB, None},
    {13, SDL_SCANCODE_RETURN, SDL_SCANCODE_KP_ENTER},
    {16, SDL_SCANCODE_LSHIFT, SDL_SCANCODE_RSHIFT},
    {27, SDL_SCANCODE_ESCAPE, None},    {32, SDL_SCANCODE_SPACE, None},
    {37, SDL_SCANCODE_LEFT, None},      {38, SDL_SCANCODE_UP, None},
    {39, SDL_SCANCODE_RIGHT, None},     {40, SDL_SCANCODE_DOWN, None},
    {107, SDL_SCANCODE_KP_PLUS, None},  {109, SDL_SCANCODE_KP_MINUS, None},
};

constexpr SDL_Scancode Digits[10] = {
    SDL_SCANCODE_0, SDL_SCANCODE_1, SDL_SCANCODE_2, SDL_SCANCODE_3, SDL_SCANCODE_4,
    SDL_SCANCODE_5, SDL_SCANCODE_6, SDL_SCANCODE_7, SDL_SCANCODE_8, SDL_SCANCODE_9,
};

constexpr SDL_Scancode FunctionKeys[12] = {
    SDL_SCANCODE_F1, SDL_SCANCODE_F2, SDL_SCANCODE_F3, SDL_SCANCODE_F4,  SDL_SCANCODE_F5,  SDL_SCANCODE_F6,
    SDL_SCANCODE_F7, SDL_SCANCODE_F8, SDL_SCANCODE_F9, SDL_SCANCODE_F10, SDL_SCANCODE_F11, SDL_SCANCODE_F12,
};

}  // namespace

ScancodePair scancodesFor(int virtualKey) {
  if (virtualKey >= 'A' && virtualKey <= 'Z')  // SDL's letter scancodes are contiguous A..Z
    return {static_cast<SDL_Scancode>(SDL_SCANCODE_A + (virtualKey - 'A')), None};
  if (virtualKey >= '0' && virtualKey <= '9') return {Digits[virtualKey - '0'], None};
  if (virtualKey >= 112 && virtualKey <= 123) return {FunctionKeys[virtualKey - 112], None};
  for (const KeyEntry& e : SpecialKeys)
    if (e.virtualKey == virtualKey) return {e.primary, e.secondary};
  return {None, None};
}

Uint32 mouseMaskFor(int virtualKey) {
  switch (virtualKey) {
    case 1: return SDL_BUTTON(SDL_BUTTON_LEFT);
    case 2: return SDL_BUTTON(SDL_BUTTON_RIGHT);
    case 4: return SDL_BUTTON(SDL_BUTTON_MIDDLE);
    default: return 0;
  }
}

}  // namespace gloam::platform
