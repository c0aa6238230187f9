// The state dump is plain hand-written JSON: a handful of numbers and one short string, so no
// library is worth its weight here; the console line is escaped byte by byte. Files reach the disk
// through output_file.
#include "shell/run_outputs.hpp"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <sstream>

#include "assets/bitmap_writer.hpp"
#include "comfort/notice.hpp"
#include "image/png_writer.hpp"
#include "shell/output_file.hpp"

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

bool failWith(std::string* reason, const char* why) {
  if (reason) *reason = why;
  return false;
}

bool writeReporting(const std::string& path, std::string_view bytes, std::string* reason) {
  std::string why;
  const bool written = writeWholeFile(path, bytes, why);
  if (reason) *reason = why;
  return written;
}

}  // namespace

bool writeStateJson(const Game& game, long long sleptMs, const std::string& path, std::string* reason) {
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
  return writeReporting(path, out.str(), reason);
}

bool writeWorldDump(const Game& game, const std::string& path, std::string* reason) {
  if (!game.grid.allocated()) return failWith(reason, "no world was generated");
  return writeReporting(path, std::string_view(reinterpret_cast<const char*>(game.grid.cells.get()), GridBytes),
                        reason);
}

bool writeScreenshot(const std::vector<std::uint8_t>& rgba, const ScreenMode& m, const std::string& path,
                     std::string* reason) {
  if (rgba.size() < static_cast<std::size_t>(m.width) * m.height * 4) return failWith(reason, "no frame was shown");
  const std::optional<ScreenshotFormat> format = screenshotFormat(path);
  if (!format) return failWith(reason, "a screenshot is a .png or a .bmp file");
  // Both formats take the Framebuffer's rows as they are, bottom row first, without alpha.
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(m.width) * m.height * 3);
  for (std::size_t i = 0, n = rgb.size() / 3; i < n; ++i)
    for (int c = 0; c < 3; ++c) rgb[i * 3 + c] = rgba[i * 4 + c];
  const std::vector<std::uint8_t> file = *format == ScreenshotFormat::Bmp
                                             ? assets::encodeBitmap(rgb, m.width, m.height)
                                             : image::encodePng(rgb, m.width, m.height, image::RowOrder::BottomFirst);
  if (file.empty()) return failWith(reason, "this build cannot encode the picture");
  return writeReporting(path, std::string_view(reinterpret_cast<const char*>(file.data()), file.size()), reason);
}

std::optional<ScreenshotFormat> screenshotFormat(const std::string& path) {
  std::string ending = std::filesystem::path(path).extension().string();
  for (char& c : ending) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ending == ".png") return ScreenshotFormat::Png;
  if (ending == ".bmp") return ScreenshotFormat::Bmp;
  return std::nullopt;
}

bool checkRunPaths(const CommandLineOptions& o, std::string& error) {
  std::error_code ec;
  if (!o.inputPath.empty() && std::filesystem::is_directory(o.inputPath, ec)) {
    error = "--input " + o.inputPath + " is a folder, not an input script";
    return false;
  }
  if (!o.screenshotPath.empty() && !screenshotFormat(o.screenshotPath)) {
    error = "--screenshot " + o.screenshotPath + ": a screenshot is a .png or a .bmp file";
    return false;
  }
  const std::pair<const char*, const std::string*> outputs[] = {{"--state", &o.statePath},
                                                                {"--dump-world", &o.dumpWorldPath},
                                                                {"--screenshot", &o.screenshotPath},
                                                                {"--record", &o.recordPath}};
  for (const auto& [option, path] : outputs) {
    if (path->empty()) continue;
    const std::string problem = outputPathProblem(*path);
    if (problem.empty()) continue;
    error = std::string("cannot write ") + option + " " + *path + ": " + problem;
    return false;
  }
  return true;
}

bool writeRunOutputs(const Game& game, const CommandLineOptions& o) {
  bool ok = true;
  auto report = [&ok](const std::string& path, auto write) {
    if (path.empty()) return;
    std::string reason;
    if (write(&reason)) return;
    std::fprintf(stderr, "gloamdelve: cannot write %s: %s\n", path.c_str(), reason.c_str());
    ok = false;
  };
  report(o.statePath, [&](std::string* r) { return writeStateJson(game, game.platform.sleptMs(), o.statePath, r); });
  report(o.dumpWorldPath, [&](std::string* r) { return writeWorldDump(game, o.dumpWorldPath, r); });
  report(o.screenshotPath,
         [&](std::string* r) { return writeScreenshot(game.shown.pixels, game.shown.mode, o.screenshotPath, r); });
  return ok;
}

}  // namespace gloam::shell
