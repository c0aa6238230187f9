// The catalogue loaders: each reads its group of the catalogue table, entry by entry, in table order.
// A file that stands in two entries is read twice, so each slot owns its own copy.
#include "assets/sprite_catalogue_loader.hpp"

#include "assets/bitmap_reader.hpp"
#include "assets/catalogue.hpp"

namespace gloam::assets {
namespace {

// Results are ignored: a picture that fails to load leaves its slot as the reader left it.
void loadArtGroup(SpriteBank& bank, const std::string& dataDir, ArtLoader loader) {
  for (const CatalogueEntry& entry : loaderEntries(loader)) {
    loadBitmap(bank[entry.slot], cataloguePath(dataDir, entry));
  }
}

}  // namespace

void loadCrossArt(SpriteBank& bank, const std::string& dataDir) { loadArtGroup(bank, dataDir, ArtLoader::Cross); }
void loadUnitArt(SpriteBank& bank, const std::string& dataDir) { loadArtGroup(bank, dataDir, ArtLoader::Unit); }
void loadLandArt(SpriteBank& bank, const std::string& dataDir) { loadArtGroup(bank, dataDir, ArtLoader::Land); }
void loadDungeonArt(SpriteBank& bank, const std::string& dataDir) {
  loadArtGroup(bank, dataDir, ArtLoader::Dungeon);
}
void loadStructureArt(SpriteBank& bank, const std::string& dataDir) {
  loadArtGroup(bank, dataDir, ArtLoader::Structure);
}
void loadItemArt(SpriteBank& bank, const std::string& dataDir) { loadArtGroup(bank, dataDir, ArtLoader::Item); }
void loadIntroArt(SpriteBank& bank, const std::string& dataDir) { loadArtGroup(bank, dataDir, ArtLoader::Intro); }
void loadCubeArt(SpriteBank& bank, const std::string& dataDir) { loadArtGroup(bank, dataDir, ArtLoader::Cube); }

void loadSpriteCatalogue(SpriteBank& bank, const std::string& dataDir) {
  loadCrossArt(bank, dataDir);
  loadUnitArt(bank, dataDir);
  loadLandArt(bank, dataDir);
  loadDungeonArt(bank, dataDir);
  loadStructureArt(bank, dataDir);
  loadItemArt(bank, dataDir);
  loadIntroArt(bank, dataDir);
  loadCubeArt(bank, dataDir);
}

}  // namespace gloam::assets
