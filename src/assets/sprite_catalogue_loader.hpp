// The start-up art load: the eight catalogue loaders and the routine that runs them in order.
// Each picture is read from "<dataDir>/<folder>/<file>"; a missing file just leaves its slot empty.
#pragma once
#include <string>

#include "assets/sprite_bank.hpp"

namespace gloam::assets {

void loadCrossArt(SpriteBank& bank, const std::string& dataDir);
void loadUnitArt(SpriteBank& bank, const std::string& dataDir);
void loadLandArt(SpriteBank& bank, const std::string& dataDir);
void loadDungeonArt(SpriteBank& bank, const std::string& dataDir);
void loadStructureArt(SpriteBank& bank, const std::string& dataDir);
void loadItemArt(SpriteBank& bank, const std::string& dataDir);
void loadIntroArt(SpriteBank& bank, const std::string& dataDir);
void loadCubeArt(SpriteBank& bank, const std::string& dataDir);

// Runs the loaders in the order cross, unit, land, dungeon, structure, item, intro, cube.
// The bank must be allocated.
void loadSpriteCatalogue(SpriteBank& bank, const std::string& dataDir);

}  // namespace gloam::assets
