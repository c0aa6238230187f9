// The state dump is plain hand-written JSON: a handful of numbers and one short string, so no
// library is worth its weight here; the console line is escaped byte by byte.
#include "shell/run_outputs.hpp"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "assets/bitmap_writer.hpp"
#include "comfort/notice.hpp"
#include "image/png_writer.hpp"

namespace gloam::shell {
namespace {

std::string jsonString(const char* text) {
  std::string out = "\"";
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
    if (*p == '"' || *p == '\\') {
      out += '\\';
      out += static_cast<char>(*p);
    } else if (*p < 0x20 || *p >= 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", *p);
      out += escaped;
    } else {
      out += static_cast<char>(*p);
    }
  }
  return out + "\"";
}

std::string jsonFloat(float v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", static_cast<double>(v));
  return text;
}

// The PlayerUnit's PathTable share: cursor, length and entries 0 .. pathLength - 1.
void writePlayerPath(std::ostream& out, const Game& game) {
  const units::PathTable& paths = game.paths.table;
  const int unit = game.loop.playerUnitIndex;
  if (!paths.allocated()) return;
  const int length = static_cast<int>(std::min<std::uint32_t>(paths.pathLength[unit], PathStepsPerUnit));
  out << ",\"pathCursor\":" << paths.pathCursor[unit] << ",\"pathLength\":" << paths.pathLength[unit] << ",\"path\":[";
  for (int k = 0; k < length; ++k)
    out << (k ? "," : "") << "[" << paths.pathX[paths.pathIndex(unit, k)] << ","
        << paths.pathY[paths.pathIndex(unit, k)] << "]";
  out << "]";
}

void writePlayer(std::ostream& out, const Game& game) {
  const units::UnitRecord& u = game.units[game.loop.playerUnitIndex];
  out << "\"player\":{\"index\":" << game.loop.playerUnitIndex << ",\"inUse\":" << int(u.inUse)
      << ",\"cellX\":" << u.cellX << ",\"cellY\":" << u.cellY << ",\"level\":" << u.level << ",\"destX\":" << u.destX
      << ",\"destY\":" << u.destY << ",\"nextX\":" << u.nextX << ",\"nextY\":" << u.nextY << ",\"moving\":" << u.moving
      << ",\"offsetX\":" << jsonFloat(u.offsetX) << ",\"offsetY\":" << jsonFloat(u.offsetY)
      << ",\"offsetZ\":" << jsonFloat(u.offsetZ) << ",\"prevOffsetX\":" << jsonFloat(u.prevOffsetX)
      << ",\"prevOffsetY\":" << jsonFloat(u.prevOffsetY) << ",\"prevOffsetZ\":" << jsonFloat(u.prevOffsetZ)
      << ",\"blocksPaths\":" << u.blocksPaths << ",\"spriteSlot\":" << u.spriteSlot << ",\"unitKind\":" << u.unitKind
      << ",\"maxHitPoints\":" << jsonFloat(u.maxHitPoints) << ",\"hitPoints\":" << jsonFloat(u.hitPoints)
      << ",\"disabled\":" << int(u.disabled) << ",\"barStyle\":" << int(u.barStyle)
      << ",\"walkPhase\":" << jsonFloat(u.walkPhase);
  writePlayerPath(out, game);
  out << "}";
}

}  // namespace

bool writeStateJson(const Game& game, long long sleptMs, const std::string& path) {
  std::ostringstream out;
  const ScreenMode& m = game.screen.mode;
  const world::ViewOrigin& v = game.view;
  out << "{\"frame\":" << game.loop.frameCounter << ",\"screen\":{\"width\":" << m.width << ",\"height\":" << m.height
      << ",\"zoom\":" << m.pixelZoom << "},\"viewOrigin\":[" << v.sx << "," << v.sy << "," << v.sz
      << "],\"tickDivisor\":" << jsonFloat(game.loop.tickDivisor)
      << ",\"screenSaverMode\":" << game.loop.screenSaverMode << ",\"quitRequested\":" << game.loop.quitRequested
      << ",\"sleptMs\":" << sleptMs << ",\"fps\":" << game.settings.fps
      << ",\"spriteSlotsLoaded\":" << assets::countLoadedSlots(game.sprites)
      << ",\"console\":{\"visible\":" << game.console.ConsoleVisible
      << ",\"line\":" << jsonString(game.console.CommandLine);
  // Comfort mode's last result line; the classic state has no such field.
  if (game.settings.comfort) out << ",\"result\":" << jsonString(game.comfort.console.lastReport.text.data());
  out << "},";
  if (game.settings.comfort) out << "\"notice\":" << jsonString(comfort::noticeLine(game.comfort.notice)) << ",";
  writePlayer(out, game);
  out << "}\n";
  std::ofstream file(path, std::ios::binary);
  file << out.str();
  return static_cast<bool>(file);
}

bool writeWorldDump(const Game& game, const std::string& path) {
  if (!game.grid.allocated()) return false;
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(game.grid.cells.get()), GridBytes);
  return static_cast<bool>(file);
}

bool writeScreenshot(const std::vector<std::uint8_t>& rgba, const ScreenMode& m, const std::string& path) {
  if (rgba.size() < static_cast<std::size_t>(m.width) * m.height * 4) return false;
  const bool bmp = path.size() >= 4 &&
                   (path.compare(path.size() - 4, 4, ".bmp") == 0 || path.compare(path.size() - 4, 4, ".BMP") == 0);
  // Both formats take the Framebuffer's rows as they are, bottom row first, without alpha.
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(m.width) * m.height * 3);
  for (std::size_t i = 0, n = rgb.size() / 3; i < n; ++i)
    for (int c = 0; c < 3; ++c) rgb[i * 3 + c] = rgba[i * 4 + c];
  if (!bmp) return image::writePng(path, rgb, m.width, m.height, image::RowOrder::BottomFirst);
  return assets::writeBitmap(path, rgb, m.width, m.height);
}

}  // namespace gloam::shell
