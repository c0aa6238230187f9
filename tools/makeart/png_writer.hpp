// Writes a Canvas as an 8-bit RGB PNG, for the contact sheet and the mock views a person looks at.
// The game never reads PNG; this is for people only.
#pragma once
#include <string>

#include "makeart/canvas.hpp"

namespace gloam::makeart {

bool writePng(const std::string& path, const Canvas& canvas);

}  // namespace gloam::makeart
