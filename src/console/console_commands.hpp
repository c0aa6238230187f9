// The console's commands: a table of names matched without regard to case, and what each one
// does to the world around the PlayerUnit, to its position or to the screen-saver flag.
#pragma once
#include <span>
#include <string_view>

#include "console/console_state.hpp"
#include "platform/platform.hpp"
#include "units/unit_table.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::console {

// Everything a command may read or change.
struct CommandTargets {
  world::DungeonGrid& grid;
  units::UnitTable& units;
  world::ViewOrigin& viewOrigin;
  int& screenSaverMode;          // ScreenSaverMode, flipped by "screensavertoggle"
  platform::Platform& platform;  // the pause after "screensavertoggle"
};

// The words of one submitted line, command word first.
struct CommandWords {
  const CommandToken* tokens;  // tokens[0..stored-1] hold words
  int stored;                  // words held in buffers, at most the buffer count
  int count;                   // words in the line, stored or not
  const char* word(int i) const { return tokens[i].data(); }
};

inline constexpr int AnyWordCount = 0;

struct ConsoleCommand {
  std::string_view name;
  int requiredWords;  // AnyWordCount, or the exact number of words the line must have
  void (*run)(const CommandWords& words, const CommandTargets& targets);
};

// Teleport limits: the outermost ring of cells and the top and bottom levels are out of reach.
inline constexpr int TeleportMinCell = 1;
inline constexpr int TeleportMaxCell = GridSide - 2;
inline constexpr int TeleportMinLevel = 2;
inline constexpr int TeleportMaxLevel = LevelCount - 2;

// A cell of the grid by column, row and level; the numbers may lie off the grid.
struct CellPos {
  int x;
  int y;
  int z;
  bool onGrid() const { return x >= 0 && y >= 0 && z >= 0 && x < GridSide && y < GridSide && z < LevelCount; }
};

// The cell (dx, dy, dz) away from the PlayerUnit's: where the cell commands write.
CellPos cellBesidePlayer(const units::UnitTable& units, int dx, int dy, int dz);

// The cell "env4teleport X Y Z" aims at: each number clamped into the reachable cells and levels.
CellPos teleportTarget(const CommandWords& words);

// The first command of the table whose name equals the word, ignoring case; nullptr if none does.
const ConsoleCommand* findCommand(std::string_view word);

// Whether the line has the number of words the command asks for.
bool takesWordCount(const ConsoleCommand& command, const CommandWords& words);

// Runs the first command of the table whose name equals the first word, ignoring case. No words,
// an unknown name or the wrong number of words do nothing.
void dispatchCommand(const CommandWords& words, const CommandTargets& targets);

// The command table in matching order, for the comfort console's result lines.
std::span<const ConsoleCommand> commandTable();

}  // namespace gloam::console
