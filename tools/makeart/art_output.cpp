// Walks the game's catalogue entry by entry, paints each file's picture once and writes it as BMP.
// A catalogue file without a painter is an error: the tool must never ship a partial catalogue.
#include "makeart/art_output.hpp"

#include <filesystem>
#include <fstream>
#include <set>

#include "assets/bitmap_writer.hpp"
#include "assets/catalogue.hpp"
#include "makeart/overworld_map.hpp"
#include "makeart/picture_table.hpp"

namespace gloam::makeart {

ArtOutcome writeCatalogueArt(const std::string& outDir) {
  ArtOutcome outcome;
  std::set<std::string> written;
  for (const assets::CatalogueEntry& entry : assets::catalogueEntries()) {
    const std::string path = assets::cataloguePath(outDir, entry);
    if (!written.contains(path)) {
      const PictureSpec* spec = findPicture(entry.directory, entry.fileName);
      if (spec == nullptr) {
        outcome.problem = "no painter for " + path;
        return outcome;
      }
      std::filesystem::create_directories(std::filesystem::path(path).parent_path());
      const Canvas canvas = paintPicture(*spec);
      const std::vector<std::uint8_t> rgb = bottomUpRgb(canvas);
      if (!assets::writeBitmap(path, rgb, static_cast<std::uint32_t>(canvas.width),
                               static_cast<std::uint32_t>(canvas.height))) {
        outcome.problem = "cannot write " + path;
        return outcome;
      }
      written.insert(path);
      ++outcome.filesWritten;
    }
    ++outcome.entriesCovered;
  }
  return outcome;
}

bool writeSampleOverworld(const std::string& outDir) {
  const std::filesystem::path dir = std::filesystem::path(outDir) / "map";
  std::error_code ignored;
  std::filesystem::create_directories(dir, ignored);
  const std::vector<std::uint8_t> cells = makeOverworldMap();
  std::ofstream file(dir / "1.overworld", std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(cells.data()), static_cast<std::streamsize>(cells.size()));
  return static_cast<bool>(file);
}

}  // namespace gloam::makeart
