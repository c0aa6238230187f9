// The art catalogue: which picture file goes into which SpriteBank slot, as one fixed table.
// Entries are grouped by art family into eight loaders and listed in load order; loading lives elsewhere.
#pragma once
#include <span>
#include <string>
#include <string_view>

namespace gloam::assets {

struct CatalogueEntry {
  std::string_view directory;  // art folder below the data directory, e.g. "bmp_dungeon"
  std::string_view fileName;   // e.g. "wall.bmp"
  int slot;                    // SpriteBank slot the picture is read into
};

// The eight loaders, in the order start-up runs them.
enum class ArtLoader { Cross, Unit, Land, Dungeon, Structure, Item, Intro, Cube };
inline constexpr int ArtLoaderCount = 8;
inline constexpr int CatalogueEntryCount = 214;

// Every entry, loader by loader in load order (a file that stands twice is listed twice).
std::span<const CatalogueEntry> catalogueEntries();

// The entries one loader reads, in the order it reads them.
std::span<const CatalogueEntry> loaderEntries(ArtLoader loader);

// "<dataDir>/<directory>/<fileName>"; an empty dataDir means the working directory.
std::string cataloguePath(const std::string& dataDir, const CatalogueEntry& entry);

}  // namespace gloam::assets
