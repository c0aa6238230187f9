// The command table and the commands. Cell edits happen at the PlayerUnit's cell or its
// neighbour; a target cell outside the grid (possible only for a unit standing on the edge or
// on the last level) is skipped rather than written past the end of the grid.
#include "console/console_commands.hpp"

#include <algorithm>

#include "console/command_words.hpp"
#include "console/console_pauses.hpp"
#include "world/cell_codes.hpp"

namespace gloam::console {
namespace {

void setCellBesidePlayer(const CommandTargets& t, int dx, int dy, int dz, cell::Code code) {
  const units::UnitRecord& player = t.units[units::PlayerUnitIndex];
  const int x = player.cellX + dx;
  const int y = player.cellY + dy;
  const int z = player.level + dz;
  if (x >= GridSide || y >= GridSide || z >= LevelCount) return;
  t.grid.setCell(x, y, z, code);
}

void corner1(const CommandWords&, const CommandTargets& t) {
  setCellBesidePlayer(t, 0, 0, 0, cell::EnvCorner);
  setCellBesidePlayer(t, 0, 0, 1, cell::EnvCorner);
}
void env4block(const CommandWords&, const CommandTargets& t) { setCellBesidePlayer(t, 0, 0, 0, cell::EnvBlock); }
void env4grass(const CommandWords&, const CommandTargets& t) { setCellBesidePlayer(t, 0, 0, 0, cell::EnvGrass); }
void env4dirt(const CommandWords&, const CommandTargets& t) { setCellBesidePlayer(t, 0, 0, 0, cell::EnvDirt); }
void env4emptyx1(const CommandWords&, const CommandTargets& t) { setCellBesidePlayer(t, 1, 0, 0, cell::Empty); }
void env4emptyy1(const CommandWords&, const CommandTargets& t) { setCellBesidePlayer(t, 0, 1, 0, cell::Empty); }

void screensavertoggle(const CommandWords&, const CommandTargets& t) {
  t.screenSaverMode = t.screenSaverMode == 0 ? 1 : 0;
  t.platform.sleepMs(ScreenSaverTogglePauseMs);
}

// The clamps run in a fixed order (x low, y low, x high, y high, level low, level high); with
// these limits the order cannot change the outcome, but it is kept as it reads.
void env4teleport(const CommandWords& w, const CommandTargets& t) {
  int tx = parseLeadingInt(w.word(1));
  int ty = parseLeadingInt(w.word(2));
  int tz = parseLeadingInt(w.word(3));
  if (tx < TeleportMinCell) tx = TeleportMinCell;
  if (ty < TeleportMinCell) ty = TeleportMinCell;
  if (tx > TeleportMaxCell) tx = TeleportMaxCell;
  if (ty > TeleportMaxCell) ty = TeleportMaxCell;
  if (tz < TeleportMinLevel) tz = TeleportMinLevel;
  if (tz > TeleportMaxLevel) tz = TeleportMaxLevel;
  if (t.grid.cellAt(tx, ty, tz) == cell::Wall) return;
  units::UnitRecord& player = t.units[units::PlayerUnitIndex];
  player.cellX = static_cast<std::uint16_t>(tx);
  player.cellY = static_cast<std::uint16_t>(ty);
  player.level = static_cast<std::uint16_t>(tz);
  t.viewOrigin.sx = std::clamp(tx, TeleportMinCell, TeleportMaxCell);
  t.viewOrigin.sy = std::clamp(ty, TeleportMinCell, TeleportMaxCell);
  t.viewOrigin.sz = std::clamp(tz, TeleportMinLevel, TeleportMaxLevel);
}

constexpr ConsoleCommand CommandTable[] = {
    {"corner1", AnyWordCount, corner1},
    {"env4block", AnyWordCount, env4block},
    {"env4grass", AnyWordCount, env4grass},
    {"env4dirt", AnyWordCount, env4dirt},
    {"env4emptyx1", AnyWordCount, env4emptyx1},
    {"env4emptyy1", AnyWordCount, env4emptyy1},
    {"screensavertoggle", AnyWordCount, screensavertoggle},
    {"env4teleport", 4, env4teleport},
};

}  // namespace

std::span<const ConsoleCommand> commandTable() { return CommandTable; }

void dispatchCommand(const CommandWords& words, const CommandTargets& targets) {
  const std::string_view first = words.stored > 0 ? words.word(0) : "";
  for (const ConsoleCommand& command : CommandTable) {
    if (!equalsIgnoringCase(first, command.name)) continue;
    if (command.requiredWords == AnyWordCount || command.requiredWords == words.count) command.run(words, targets);
    return;
  }
}

}  // namespace gloam::console
