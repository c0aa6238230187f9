// Reading room templates: the header's size letters, the four orientations, the square template
// scratch the generator loads a shape into, and stamping that scratch into the DungeonGrid.
#pragma once
#include <cstdint>
#include <memory>
#include <string_view>

#include "core/constants.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::world {

// Scratch cell values.
inline constexpr std::int8_t ScratchNone = 0;
inline constexpr std::int8_t ScratchFloor = 1;
inline constexpr std::int8_t ScratchMarked = 3;
inline constexpr int ScratchCells = TemplateSide * TemplateSide;
inline constexpr int OrientationCount = 4;

// The template scratch (row-major, index y * TemplateSide + x) and the size of the template last
// measured or loaded, in its orientation.
struct TemplateScratch {
  std::unique_ptr<std::int8_t[]> cells;  // ScratchCells once allocated
  int roomWidth = 0;
  int roomHeight = 0;

  std::int8_t at(int x, int y) const { return cells[y * TemplateSide + x]; }
};

struct TemplateSize {
  int width = 0;
  int height = 0;
};

// The width and height a template text declares in its header, as written (orientation 0).
TemplateSize parseTemplateHeader(std::string_view text);

// Sets roomWidth and roomHeight for the orientation from the template's header alone.
void roomTemplateSize(TemplateScratch& scratch, int templateIndex, int orientation);

// Clears the whole scratch, sets the size and copies the shape's floor and marked cells to their
// positions for the orientation.
void loadRoomTemplate(TemplateScratch& scratch, int templateIndex, int orientation);

// The same from any text in the template format (used by the table loader and by tests).
void loadTemplateText(TemplateScratch& scratch, std::string_view text, int orientation);

// Writes Floor for each floor cell and TemplateMark for each marked cell of the loaded scratch,
// with the scratch's (0, 0) at (roomX, roomY) of the level; cells without a shape cell are left.
void stampRoom(DungeonGrid& grid, const TemplateScratch& scratch, int level, int roomX, int roomY);

}  // namespace gloam::world
