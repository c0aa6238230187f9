// SDL's digit scancodes are not contiguous (0 comes after 9), so digits go through a table rather
// than arithmetic.
#include "platform/sdl/key_map.hpp"

#include "platform/keys.hpp"

namespace gloam::platform {
namespace {

struct KeyEntry {
  SDL_Scancode scancode;
  int virtualKey;
};

constexpr KeyEntry PositionalKeys[] = {
    {SDL_SCANCODE_BACKSPACE, vk::Backspace}, {SDL_SCANCODE_TAB, vk::Tab},
    {SDL_SCANCODE_RETURN, vk::Enter},        {SDL_SCANCODE_KP_ENTER, vk::Enter},
    {SDL_SCANCODE_LSHIFT, vk::Shift},        {SDL_SCANCODE_RSHIFT, vk::Shift},
    {SDL_SCANCODE_ESCAPE, vk::Escape},       {SDL_SCANCODE_SPACE, vk::Space},
    {SDL_SCANCODE_LEFT, vk::Left},           {SDL_SCANCODE_UP, vk::Up},
    {SDL_SCANCODE_RIGHT, vk::Right},         {SDL_SCANCODE_DOWN, vk::Down},
    {SDL_SCANCODE_KP_PLUS, vk::NumpadAdd},   {SDL_SCANCODE_KP_MINUS, vk::NumpadSubtract},
    {SDL_SCANCODE_0, vk::digit(0)},          {SDL_SCANCODE_1, vk::digit(1)},
    {SDL_SCANCODE_2, vk::digit(2)},          {SDL_SCANCODE_3, vk::digit(3)},
    {SDL_SCANCODE_4, vk::digit(4)},          {SDL_SCANCODE_5, vk::digit(5)},
    {SDL_SCANCODE_6, vk::digit(6)},          {SDL_SCANCODE_7, vk::digit(7)},
    {SDL_SCANCODE_8, vk::digit(8)},          {SDL_SCANCODE_9, vk::digit(9)},
};

bool isLetterKeycode(SDL_Keycode k) { return k >= SDLK_a && k <= SDLK_z; }
bool isLetterScancode(SDL_Scancode s) { return s >= SDL_SCANCODE_A && s <= SDL_SCANCODE_Z; }

}  // namespace

int virtualKeyFor(SDL_Scancode scancode, SDL_Keycode keycode) {
  if (isLetterKeycode(keycode)) return vk::KeyA + static_cast<int>(keycode - SDLK_a);
  // A letter key whose layout puts no Latin character on it (Cyrillic, Greek) keeps its place; one
  // that carries punctuation (AZERTY's comma where QWERTY has M) is not a letter at all.
  if (isLetterScancode(scancode) && keycode > 127) return vk::KeyA + (scancode - SDL_SCANCODE_A);
  if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) return vk::F1 + (scancode - SDL_SCANCODE_F1);
  if (scancode == SDL_SCANCODE_LALT || scancode == SDL_SCANCODE_RALT) return vk::Alt;  // one code for either
  for (const KeyEntry& e : PositionalKeys)
    if (e.scancode == scancode) return e.virtualKey;
  return 0;
}

int virtualKeyForButton(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return vk::LeftButton;
    case SDL_BUTTON_RIGHT: return vk::RightButton;
    case SDL_BUTTON_MIDDLE: return vk::MiddleButton;
    default: return 0;
  }
}

}  // namespace gloam::platform
