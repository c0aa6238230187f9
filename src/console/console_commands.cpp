// The command table and the commands. Cell edits happen at the PlayerUnit's cell or its
// neighbour; a target cell outside the grid (possible only for a unit standing on the edge or
// on the last level) is skipped rather than written past the end of the grid.
#include "console/console_commands.hpp"

#include "console/command_words.hpp"
#include "console/console_pauses.hpp"
#include "world/cell_codes.hpp"

namespace gloam::console {
namespace {

void setCellBesidePlayer(const CommandTargets& t, int dx, int dy, int dz, cell::Code code) {
  const CellPos c = cellBesidePlayer(t.units, dx, dy, dz);
  if (c.x >= GridSide || c.y >= GridSide || c.z >= LevelCount) return;
  t.grid.setCell(c.x, c.y, c.z, code);
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

// The view follows the PlayerUnit to the target, which already lies within the teleport's limits.
void env4teleport(const CommandWords& w, const CommandTargets& t) {
  const CellPos target = teleportTarget(w);
  if (t.grid.cellAt(target.x, target.y, target.z) == cell::Wall) return;
  units::UnitRecord& player = t.units[units::PlayerUnitIndex];
  player.cellX = static_cast<std::uint16_t>(target.x);
  player.cellY = static_cast<std::uint16_t>(target.y);
  player.level = static_cast<std::uint16_t>(target.z);
  t.viewOrigin = {target.x, target.y, target.z};
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

CellPos cellBesidePlayer(const units::UnitTable& units, int dx, int dy, int dz) {
  const units::UnitRecord& player = units[units::PlayerUnitIndex];
  return {player.cellX + dx, player.cellY + dy, player.level + dz};
}

// The clamps run in a fixed order (x low, y low, x high, y high, level low, level high); with
// these limits the order cannot change the outcome, but it is kept as it reads.
CellPos teleportTarget(const CommandWords& w) {
  int tx = parseLeadingInt(w.word(1));
  int ty = parseLeadingInt(w.word(2));
  int tz = parseLeadingInt(w.word(3));
  if (tx < TeleportMinCell) tx = TeleportMinCell;
  if (ty < TeleportMinCell) ty = TeleportMinCell;
  if (tx > TeleportMaxCell) tx = TeleportMaxCell;
  if (ty > TeleportMaxCell) ty = TeleportMaxCell;
  if (tz < TeleportMinLevel) tz = TeleportMinLevel;
  if (tz > TeleportMaxLevel) tz = TeleportMaxLevel;
  return {tx, ty, tz};
}

const ConsoleCommand* findCommand(std::string_view word) {
  for (const ConsoleCommand& command : CommandTable)
    if (equalsIgnoringCase(word, command.name)) return &command;
  return nullptr;
}

bool takesWordCount(const ConsoleCommand& command, const CommandWords& words) {
  return command.requiredWords == AnyWordCount || command.requiredWords == words.count;
}

void dispatchCommand(const CommandWords& words, const CommandTargets& targets) {
  const ConsoleCommand* command = findCommand(words.stored > 0 ? words.word(0) : "");
  if (command && takesWordCount(*command, words)) command->run(words, targets);
}

}  // namespace gloam::console
