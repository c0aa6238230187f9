// Writes the whole art catalogue and the sample overworld map below one output folder, in the
// folder layout the game reads (<out>/bmp_dungeon/wall.bmp, <out>/map/1.overworld).
#pragma once
#include <string>

namespace gloam::makeart {

struct ArtOutcome {
  int filesWritten = 0;    // distinct picture files (a file named by two slots is written once)
  int entriesCovered = 0;  // catalogue entries whose file now exists
  std::string problem;     // empty on success, else what went wrong first
};

ArtOutcome writeCatalogueArt(const std::string& outDir);

// <outDir>/map/1.overworld; false if it cannot be written.
bool writeSampleOverworld(const std::string& outDir);

}  // namespace gloam::makeart
