// The catalogue loaders: each reads its group of the catalogue table, entry by entry, in table order.
// A file that stands in two entries is read twice, so each slot owns its own copy.
#include "assets/sprite_catalogue_loader.hpp"

#include "assets/bitmap_reader.hpp"
#include "assets/catalogue.hpp"

namespace gloam::assets {
namespace {

// A picture that fails to load leaves its slot as the reader left it; the game runs on without it.
void loadArtGroup(SpriteBank& bank, const DataFolderIndex& data, ArtLoader loader, ArtLoadReport& report) {
  for (const CatalogueEntry& entry : loaderEntries(loader)) {
    if (loadBitmap(bank[entry.slot], resolveDataPath(data, entry.directory, entry.fileName)))
      ++report.loaded;
    else
      report.missing.push_back(std::string(entry.directory) + "/" + std::string(entry.fileName));
  }
}

}  // namespace

void loadCrossArt(SpriteBank& bank, const DataFolderIndex& data, ArtLoadReport& report) {
  loadArtGroup(bank, data, ArtLoader::Cross, report);
}
void loadUnitArt(SpriteBank& bank, const DataFolderIndex& data, ArtLoadReport& report) {
  loadArtGroup(bank, data, ArtLoader::Unit, report);
}
void loadLandArt(SpriteBank& bank, const DataFolderIndex& data, ArtLoadReport& report) {
  loadArtGroup(bank, data, ArtLoader::Land, report);
}
void loadDungeonArt(SpriteBank& bank, const DataFolderIndex& data, ArtLoadReport& report) {
  loadArtGroup(bank, data, ArtLoader::Dungeon, report);
}
void loadStructureArt(SpriteBank& bank, const DataFolderIndex& data, ArtLoadReport& report) {
  loadArtGroup(bank, data, ArtLoader::Structure, report);
}
void loadItemArt(SpriteBank& bank, const DataFolderIndex& data, ArtLoadReport& report) {
  loadArtGroup(bank, data, ArtLoader::Item, report);
}
void loadIntroArt(SpriteBank& bank, const DataFolderIndex& data, ArtLoadReport& report) {
  loadArtGroup(bank, data, ArtLoader::Intro, report);
}
void loadCubeArt(SpriteBank& bank, const DataFolderIndex& data, ArtLoadReport& report) {
  loadArtGroup(bank, data, ArtLoader::Cube, report);
}

ArtLoadReport loadSpriteCatalogue(SpriteBank& bank, const DataFolderIndex& data) {
  ArtLoadReport report;
  loadCrossArt(bank, data, report);
  loadUnitArt(bank, data, report);
  loadLandArt(bank, data, report);
  loadDungeonArt(bank, data, report);
  loadStructureArt(bank, data, report);
  loadItemArt(bank, data, report);
  loadIntroArt(bank, data, report);
  loadCubeArt(bank, data, report);
  return report;
}

ArtLoadReport loadSpriteCatalogue(SpriteBank& bank, const std::string& dataDir) {
  return loadSpriteCatalogue(bank, indexDataFolder(dataDir));
}

}  // namespace gloam::assets
