// The name of a CellCode as the world model calls it ("Wall", "EnvBlock", ...).
#pragma once
#include <cstdint>
#include <string_view>

namespace gloam::comfort {

// The code's name; empty for a code with no meaning.
std::string_view cellName(std::uint8_t code);

}  // namespace gloam::comfort
