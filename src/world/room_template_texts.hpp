// The table of room templates, each kept as its template text: 33 lines of 30 characters with no
// separators; line 0 is the header, lines 1.. hold the shape ('d' floor, 'p' marked, '0' none).
#pragma once
#include <string_view>

#include "core/constants.hpp"

namespace gloam::world {

inline constexpr int RoomTemplateCount = 44;
inline constexpr int TemplateTextLines = 33;
inline constexpr int TemplateTextLength = TemplateTextLines * TemplateSide;  // 990

// The text of template `index` (0..RoomTemplateCount - 1); always TemplateTextLength characters.
std::string_view roomTemplateText(int index);

}  // namespace gloam::world
