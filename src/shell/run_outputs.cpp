// The state dump is plain hand-written JSON: a handful of numbers and one short string, so no
// library is worth its weight here; the console line is escaped byte by byte.
#include "shell/run_outputs.hpp"

#ifndef __EMSCRIPTEN__
#include <png.h>
#endif

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "assets/bitmap_writer.hpp"

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
  const units::PathContext& paths = game.paths;
  const int unit = game.loop.playerUnitIndex;
  if (!paths.allocated()) return;
  const int length = static_cast<int>(std::min<std::uint32_t>(paths.pathLength[unit], PathStepsPerUnit));
  out << ",\"pathCursor\":" << paths.pathCursor[unit] << ",\"pathLength\":" << paths.pathLength[unit]
      << ",\"path\":[";
  for (int k = 0; k < length; ++k)
    out << (k ? "," : "") << "[" << paths.pathX[paths.pathIndex(unit, k)] << ","
        << paths.pathY[paths.pathIndex(unit, k)] << "]";
  out << "]";
}

void writePlayer(std::ostream& out, const Game& game) {
  const units::UnitRecord& u = game.units[game.loop.playerUnitIndex];
  out << "\"player\":{\"index\":" << game.loop.playerUnitIndex << ",\"inUse\":" << int(u.inUse)
      << ",\"cellX\":" << u.cellX << ",\"cellY\":" << u.cellY << ",\"level\":" << u.level
      << ",\"destX\":" << u.destX << ",\"destY\":" << u.destY << ",\"nextX\":" << u.nextX
      << ",\"nextY\":" << u.nextY << ",\"moving\":" << u.moving << ",\"offsetX\":" << jsonFloat(u.offsetX)
      << ",\"offsetY\":" << jsonFloat(u.offsetY) << ",\"offsetZ\":" << jsonFloat(u.offsetZ)
      << ",\"prevOffsetX\":" << jsonFloat(u.prevOffsetX) << ",\"prevOffsetY\":" << jsonFloat(u.prevOffsetY)
      << ",\"prevOffsetZ\":" << jsonFloat(u.prevOffsetZ) << ",\"blocksPaths\":" << u.blocksPaths
      << ",\"spriteSlot\":" << u.spriteSlot << ",\"unitKind\":" << u.unitKind
      << ",\"maxHitPoints\":" << jsonFloat(u.maxHitPoints) << ",\"hitPoints\":" << jsonFloat(u.hitPoints)
      << ",\"disabled\":" << int(u.disabled) << ",\"barStyle\":" << int(u.barStyle)
      << ",\"walkPhase\":" << jsonFloat(u.walkPhase);
  writePlayerPath(out, game);
  out << "}";
}

#ifdef __EMSCRIPTEN__
// The browser build has no libpng: its page encodes screenshots with the canvas.
bool writePng(const std::vector<std::uint8_t>&, const ScreenMode&, const std::string&) { return false; }
#else
bool writePng(const std::vector<std::uint8_t>& rgba, const ScreenMode& m, const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  bool ok = png && info && setjmp(png_jmpbuf(png)) == 0;
  if (ok) {
    png_init_io(png, file);
    png_set_IHDR(png, info, m.width, m.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<std::size_t>(m.width) * 3);
    for (int y = m.height - 1; y >= 0; --y) {  // PNG rows run top down, the Framebuffer's bottom up
      for (int x = 0; x < m.width; ++x)
        for (int c = 0; c < 3; ++c) row[x * 3 + c] = rgba[(static_cast<std::size_t>(y) * m.width + x) * 4 + c];
      png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
  }
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0 && ok;
}
#endif

}  // namespace

bool writeStateJson(const Game& game, long long sleptMs, const std::string& path) {
  std::ostringstream out;
  const ScreenMode& m = game.screen.mode;
  const world::ViewOrigin& v = game.view;
  out << "{\"frame\":" << game.loop.frameCounter << ",\"screen\":{\"width\":" << m.width
      << ",\"height\":" << m.height << ",\"zoom\":" << m.pixelZoom << "},\"viewOrigin\":[" << v.sx << ","
      << v.sy << "," << v.sz << "],\"tickDivisor\":" << jsonFloat(game.loop.tickDivisor)
      << ",\"screenSaverMode\":" << game.loop.screenSaverMode << ",\"quitRequested\":" << game.loop.quitRequested
      << ",\"sleptMs\":" << sleptMs << ",\"fps\":" << game.settings.fps << ",\"spriteSlotsLoaded\":" << assets::countLoadedSlots(game.sprites) << ",\"console\":{\"visible\":"
      << game.console.ConsoleVisible << ",\"line\":" << jsonString(game.console.CommandLine);
  // Comfort mode's last result line; the classic state has no such field.
  if (game.settings.comfort) out << ",\"result\":" << jsonString(game.comfort.console.lastReport.text.data());
  out << "},";
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
  const bool bmp = path.size() >= 4 && (path.compare(path.size() - 4, 4, ".bmp") == 0 ||
                                        path.compare(path.size() - 4, 4, ".BMP") == 0);
  if (!bmp) return writePng(rgba, m, path);
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(m.width) * m.height * 3);
  for (std::size_t i = 0, n = rgb.size() / 3; i < n; ++i)
    for (int c = 0; c < 3; ++c) rgb[i * 3 + c] = rgba[i * 4 + c];
  return assets::writeBitmap(path, rgb, m.width, m.height);
}

}  // namespace gloam::shell
