// The start-up art load: the eight catalogue loaders and the routine that runs them in order.
// Each picture is read from "<dataDir>/<folder>/<file>", names matched as the data folder index
// finds them; a missing file just leaves its slot empty and is noted in the report.
#pragma once
#include <string>
#include <vector>

#include "assets/data_folder_index.hpp"
#include "assets/sprite_bank.hpp"

namespace gloam::assets {

// What one catalogue load achieved, entry by entry in load order.
struct ArtLoadReport {
  int loaded = 0;                    // entries whose picture was read
  std::vector<std::string> missing;  // "<folder>/<file>" of every entry that was not, in load order
};

void loadCrossArt(SpriteBank& bank, const DataFolderIndex& data, ArtLoadReport& report);
void loadUnitArt(SpriteBank& bank, const DataFolderIndex& data, ArtLoadReport& report);
void loadLandArt(SpriteBank& bank, const DataFolderIndex& data, ArtLoadReport& report);
void loadDungeonArt(SpriteBank& bank, const DataFolderIndex& data, ArtLoadReport& report);
void loadStructureArt(SpriteBank& bank, const DataFolderIndex& data, ArtLoadReport& report);
void loadItemArt(SpriteBank& bank, const DataFolderIndex& data, ArtLoadReport& report);
void loadIntroArt(SpriteBank& bank, const DataFolderIndex& data, ArtLoadReport& report);
void loadCubeArt(SpriteBank& bank, const DataFolderIndex& data, ArtLoadReport& report);

// Runs the loaders in the order cross, unit, land, dungeon, structure, item, intro, cube.
// The bank must be allocated.
ArtLoadReport loadSpriteCatalogue(SpriteBank& bank, const DataFolderIndex& data);

// The same, indexing `dataDir` first.
ArtLoadReport loadSpriteCatalogue(SpriteBank& bank, const std::string& dataDir);

}  // namespace gloam::assets
