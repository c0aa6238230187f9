// SDL's keys on their way to virtual-key codes: letters follow the layout, everything else keeps
// its place (the mapping that makes the key labelled Z walk back on an AZERTY keyboard).
#include <gtest/gtest.h>

#include <array>

#include "platform/keys.hpp"
#include "platform/sdl/key_map.hpp"

namespace gloam::platform {
namespace {

TEST(KeyMap, LettersFollowTheLayoutOtherKeysTheirPlaceButtonsAreKeys) {
  const struct {
    SDL_Scancode scancode;  // where the key sits (named after QWERTY)
    SDL_Keycode keycode;    // what the layout puts on it
    int want;
  } cases[] = {
      {SDL_SCANCODE_A, SDLK_a, vk::KeyA},              // QWERTY
      {SDL_SCANCODE_Q, SDLK_a, vk::KeyA},              // AZERTY: A where QWERTY has Q
      {SDL_SCANCODE_W, SDLK_z, vk::KeyZ},              // AZERTY: Z where QWERTY has W
      {SDL_SCANCODE_SEMICOLON, SDLK_m, vk::KeyM},      // AZERTY: M beside L
      {SDL_SCANCODE_M, SDLK_COMMA, 0},                 // AZERTY: a comma is no letter
      {SDL_SCANCODE_Z, SDLK_y, vk::letter('Y')},       // QWERTZ
      {SDL_SCANCODE_F, 0x0430, vk::letter('F')},       // Cyrillic: the letter key keeps its place
      {SDL_SCANCODE_1, SDLK_AMPERSAND, vk::digit(1)},  // AZERTY digits stay in the digit row
      {SDL_SCANCODE_0, SDLK_0, vk::digit(0)},
      {SDL_SCANCODE_F12, SDLK_F12, vk::F12},
      {SDL_SCANCODE_F11, SDLK_F11, vk::F11},
      {SDL_SCANCODE_RALT, SDLK_RALT, vk::Alt},
      {SDL_SCANCODE_KP_PLUS, SDLK_KP_PLUS, vk::NumpadAdd},
      {SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, vk::Enter},
      {SDL_SCANCODE_CAPSLOCK, SDLK_CAPSLOCK, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(virtualKeyFor(c.scancode, c.keycode), c.want) << SDL_GetScancodeName(c.scancode);
  // Mouse buttons are virtual keys too.
  EXPECT_EQ((std::array{virtualKeyForButton(SDL_BUTTON_LEFT), virtualKeyForButton(SDL_BUTTON_RIGHT),
                        virtualKeyForButton(SDL_BUTTON_MIDDLE), virtualKeyForButton(SDL_BUTTON_X1)}),
            (std::array{vk::LeftButton, vk::RightButton, vk::MiddleButton, 0}));
}

}  // namespace
}  // namespace gloam::platform
