// makeart: writes the game's whole art catalogue and the sample overworld map into a data folder,
// and on request the preview pictures (contact sheet, mock screens) a person judges the art by and
// the desktop icons (PNG files for Linux, an .ico file for Windows); or only the window's icon as
// C++ (--window-icon FILE).
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "image/png_writer.hpp"
#include "makeart/art_output.hpp"
#include "makeart/canvas.hpp"
#include "makeart/game_icon.hpp"
#include "makeart/previews.hpp"

namespace {

constexpr const char* Usage =
    "usage: makeart <outdir> [--contact-sheet FILE.png] [--dungeon-mock FILE.png] [--overworld-mock FILE.png] "
    "[--overworld-view FILE.png] [--icons DIR] [--ico FILE.ico]\n"
    "       makeart --window-icon FILE.inc\n";

struct Options {
  std::string outDir, contactSheet, dungeonMock, overworldMock, overworldView, iconDir, icoFile, windowIcon;
};

bool parse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "--contact-sheet") == 0 && hasValue)
      o.contactSheet = argv[++i];
    else if (std::strcmp(argv[i], "--dungeon-mock") == 0 && hasValue)
      o.dungeonMock = argv[++i];
    else if (std::strcmp(argv[i], "--overworld-mock") == 0 && hasValue)
      o.overworldMock = argv[++i];
    else if (std::strcmp(argv[i], "--overworld-view") == 0 && hasValue)
      o.overworldView = argv[++i];
    else if (std::strcmp(argv[i], "--icons") == 0 && hasValue)
      o.iconDir = argv[++i];
    else if (std::strcmp(argv[i], "--window-icon") == 0 && hasValue)
      o.windowIcon = argv[++i];
    else if (std::strcmp(argv[i], "--ico") == 0 && hasValue)
      o.icoFile = argv[++i];
    else if (argv[i][0] != '-' && o.outDir.empty())
      o.outDir = argv[i];
    else
      return false;
  }
  return o.outDir.empty() != o.windowIcon.empty();
}

bool writePreview(const std::string& path, const gloam::makeart::Canvas& canvas) {
  if (path.empty()) return true;
  const std::vector<std::uint8_t> rgb = gloam::makeart::bottomUpRgb(canvas);
  if (gloam::image::writePng(path, rgb, canvas.width, canvas.height, gloam::image::RowOrder::BottomFirst)) return true;
  std::fprintf(stderr, "makeart: cannot write %s\n", path.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace gloam::makeart;
  Options options;
  if (!parse(argc, argv, options)) {
    std::fputs(Usage, stderr);
    return 2;
  }
  if (!options.windowIcon.empty()) {
    if (writeWindowIconSource(options.windowIcon)) return 0;
    std::fprintf(stderr, "makeart: cannot write %s\n", options.windowIcon.c_str());
    return 1;
  }
  bool ok = true;
  if (!options.contactSheet.empty()) ok &= writePreview(options.contactSheet, renderContactSheet());
  if (!options.dungeonMock.empty()) ok &= writePreview(options.dungeonMock, renderDungeonMock());
  if (!options.overworldMock.empty())
    ok &= writePreview(options.overworldMock, renderOverworldMock(makeOverworldMap()));
  if (!options.overworldView.empty())
    ok &= writePreview(options.overworldView, renderOverworldView(makeOverworldMap()));
  if (!options.iconDir.empty()) {
    const std::string failed = writeGameIcons(options.iconDir);
    if (!failed.empty()) std::fprintf(stderr, "makeart: cannot write %s\n", failed.c_str());
    ok &= failed.empty();
  }
  if (!options.icoFile.empty() && !writeGameIco(options.icoFile)) {
    std::fprintf(stderr, "makeart: cannot write %s\n", options.icoFile.c_str());
    ok = false;
  }
  const ArtOutcome art = writeCatalogueArt(options.outDir);
  if (!art.problem.empty()) {
    std::fprintf(stderr, "makeart: %s\n", art.problem.c_str());
    ok = false;
  }
  if (!writeSampleOverworld(options.outDir)) {
    std::fprintf(stderr, "makeart: cannot write the overworld map\n");
    ok = false;
  }
  return ok ? 0 : 1;
}
