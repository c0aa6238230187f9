// buildLevelLayout: whole-level copies and fills; the source levels keep their contents.
#include "world/level_layout.hpp"

#include <cstring>

#include "world/cell_codes.hpp"

namespace gloam::world {

void buildLevelLayout(DungeonGrid& grid) {
  for (int k = 0; k < LayoutCopiedLevels; ++k) {
    std::memcpy(grid.level(LayoutTargetFirstLevel + 2 * k), grid.level(LayoutSourceFirstLevel + k), LevelSize);
  }
  for (int z = LayoutWallFirstLevel; z <= LayoutWallLastLevel; z += 2) {
    std::memset(grid.level(z), cell::Wall, LevelSize);
  }
}

}  // namespace gloam::world
