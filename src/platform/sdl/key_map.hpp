// Which Windows virtual-key code an SDL key or mouse button stands for.
#pragma once
#include <SDL.h>

namespace gloam::platform {

// Letters follow the active keyboard layout, as virtual-key codes do: `keycode` is what the
// layout puts on the key, so on AZERTY the key in QWERTY's Q place gives 'A'. Digits and every
// other key keep their positions (`scancode`). 0 for a key the game does not know.
int virtualKeyFor(SDL_Scancode scancode, SDL_Keycode keycode);

// 1 left, 2 right, 4 middle; 0 for any other button.
int virtualKeyForButton(Uint8 button);

}  // namespace gloam::platform
