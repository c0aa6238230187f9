// Parsing template texts into the scratch in one of four orientations, and the room stamp.
// The table of texts itself lives in room_template_texts.cpp.
#include "world/room_template.hpp"

#include <algorithm>
#include <cstring>

#include "world/cell_codes.hpp"
#include "world/room_template_texts.hpp"

namespace gloam::world {
namespace {

// Header letters count from 'a' = 1; a width extension of '0' adds nothing.
constexpr int letterValue(char letter) { return static_cast<unsigned char>(letter) - 96; }

int headerChar(std::string_view text, std::size_t i) { return i < text.size() ? text[i] : '0'; }

struct Position {
  int x;
  int y;
};

// Where shape cell (row r, column c) of a w x h shape lands in the scratch.
Position scratchPosition(int orientation, int r, int c, int w, int h) {
  switch (orientation) {
    case 1: return {r, w - 1 - c};  // a quarter turn
    case 2: return {r, c};          // mirrored over the diagonal
    case 3: return {c, h - 1 - r};  // flipped top to bottom
    default: return {c, r};         // as written
  }
}

TemplateSize orientedSize(TemplateSize size, int orientation) {
  if (orientation == 1 || orientation == 2) return {size.height, size.width};
  return size;
}

bool validTemplate(int templateIndex) { return templateIndex >= 0 && templateIndex < RoomTemplateCount; }

}  // namespace

TemplateSize parseTemplateHeader(std::string_view text) {
  int width = letterValue(static_cast<char>(headerChar(text, 2)));
  const int height = letterValue(static_cast<char>(headerChar(text, 3)));
  for (std::size_t i : {4u, 5u}) {
    const char extension = static_cast<char>(headerChar(text, i));
    if (extension != '0') width += letterValue(extension);
  }
  // No table text comes near these limits; they keep a malformed text inside the scratch.
  return {std::clamp(width, 0, TemplateSide), std::clamp(height, 0, TemplateSide)};
}

void roomTemplateSize(TemplateScratch& scratch, int templateIndex, int orientation) {
  const TemplateSize size =
      validTemplate(templateIndex) ? parseTemplateHeader(roomTemplateText(templateIndex)) : TemplateSize{};
  const TemplateSize oriented = orientedSize(size, orientation);
  scratch.roomWidth = oriented.width;
  scratch.roomHeight = oriented.height;
}

void loadTemplateText(TemplateScratch& scratch, std::string_view text, int orientation) {
  std::memset(scratch.cells.get(), ScratchNone, ScratchCells);
  const TemplateSize size = parseTemplateHeader(text);
  const TemplateSize oriented = orientedSize(size, orientation);
  scratch.roomWidth = oriented.width;
  scratch.roomHeight = oriented.height;
  for (int r = 0; r < size.height; ++r) {
    for (int c = 0; c < size.width; ++c) {
      const std::size_t at = static_cast<std::size_t>(r + 1) * TemplateSide + c;
      if (at >= text.size()) continue;
      const char cell = text[at];
      if (cell != 'd' && cell != 'p') continue;
      const Position p = scratchPosition(orientation, r, c, size.width, size.height);
      scratch.cells[p.y * TemplateSide + p.x] = cell == 'd' ? ScratchFloor : ScratchMarked;
    }
  }
}

void loadRoomTemplate(TemplateScratch& scratch, int templateIndex, int orientation) {
  loadTemplateText(scratch, validTemplate(templateIndex) ? roomTemplateText(templateIndex) : std::string_view{},
                   orientation);
}

void stampRoom(DungeonGrid& grid, const TemplateScratch& scratch, int level, int roomX, int roomY) {
  for (int y = 0; y < scratch.roomHeight; ++y) {
    for (int x = 0; x < scratch.roomWidth; ++x) {
      const std::int8_t value = scratch.at(x, y);
      if (value != ScratchFloor && value != ScratchMarked) continue;
      const int gx = roomX + x;
      const int gy = roomY + y;
      // The generator only stamps rooms it has checked to lie inside the grid; this guard keeps
      // any other caller from writing outside it.
      if (gx < 0 || gy < 0 || gx >= GridSide || gy >= GridSide || level < 0 || level >= LevelCount) continue;
      grid.setCell(gx, gy, level, value == ScratchFloor ? cell::Floor : cell::TemplateMark);
    }
  }
}

}  // namespace gloam::world
