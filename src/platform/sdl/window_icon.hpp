// The game's icon for a framed window's title bar and the task switcher. The pixels are painted at
// build time by the art tool (makeart --window-icon), from the same painter as the desktop icons.
#pragma once
#include <SDL.h>

namespace gloam::platform {

void setWindowIcon(SDL_Window* window);

}  // namespace gloam::platform
