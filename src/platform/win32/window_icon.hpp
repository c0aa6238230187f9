// The game's icon for a framed window's title bar and the task switcher, made from the pixels the
// art tool paints at build time (the same picture as the desktop icons).
#pragma once
#include <windows.h>

namespace gloam::platform {

// A new icon the caller destroys; null if the system would not make one.
HICON makeWindowIcon();

}  // namespace gloam::platform
