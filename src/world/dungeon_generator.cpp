// Phase 1 of the generator: fill each level's area with Wall, put the first room at the centre,
// then grow the level one room slot at a time. The features of phase 2 live in dungeon_features.cpp.
#include "world/dungeon_generator.hpp"

#include "world/cell_codes.hpp"
#include "world/grid_rectangles.hpp"
#include "world/room_template.hpp"

namespace gloam::world {
namespace {

constexpr int EntranceDoorDraw = 1;  // rnd(3) == 1 makes the entrance a Door
constexpr int EntranceDraws = 3;
constexpr int DirectionCount = 4;  // row + 1, row - 1, column + 1, column - 1

struct Generation {
  DungeonGrid& grid;
  GeneratorTables& tables;
  Rng& rng;
  int level;
};

using Cell = GridPoint;

// A successful attempt: where the room goes and which cell joins it to its neighbour.
struct Placement {
  int templateIndex;
  Cell room;
  Cell entrance;
};

void appendRoom(GeneratorTables& tables, Cell at, int level, int templateIndex) {
  const auto index = static_cast<std::uint32_t>(tables.roomCount);
  tables.roomTable[index] = RoomRecord{static_cast<std::uint16_t>(at.x),
                                       static_cast<std::uint16_t>(at.y),
                                       static_cast<std::uint16_t>(tables.scratch.roomWidth),
                                       static_cast<std::uint16_t>(tables.scratch.roomHeight),
                                       static_cast<std::uint16_t>(level),
                                       index,
                                       static_cast<std::uint8_t>(templateIndex)};
  ++tables.roomCount;
}

bool inCandidateRange(int v) { return v >= CandidateMin && v <= CandidateMax; }

// The entrance is the cell next to the candidate in the drawn direction; the new room's entry
// cell lies one further.
void entranceAndEntry(Cell candidate, int direction, Cell& entrance, Cell& entry) {
  static constexpr int StepX[DirectionCount] = {0, 0, 1, -1};
  static constexpr int StepY[DirectionCount] = {1, -1, 0, 0};
  entrance = {candidate.x + StepX[direction], candidate.y + StepY[direction]};
  entry = {candidate.x + 2 * StepX[direction], candidate.y + 2 * StepY[direction]};
}

// One attempt, drawing in the fixed order: orientation, template, neighbour, column, row,
// direction, offX, offY. An attempt that fails early makes no further draws.
bool attemptRoom(Generation& g, Placement& out) {
  GeneratorTables& t = g.tables;
  const int orientation = g.rng.below(OrientationCount);
  const int templateIndex = g.rng.below(RoomTemplateChoices);
  const int first = static_cast<int>(t.levelFirstRoom[g.level]);
  const RoomRecord& neighbour = t.roomTable[first + g.rng.below(t.roomCount - first)];
  const int cx = neighbour.x + g.rng.below(neighbour.width);
  const int cy = neighbour.y + g.rng.below(neighbour.height);
  if (!inCandidateRange(cx) || !inCandidateRange(cy)) return false;

  Cell entrance{}, entry{};
  entranceAndEntry({cx, cy}, g.rng.below(DirectionCount), entrance, entry);
  if (g.grid.cellAt(cx, cy, g.level) != cell::Floor || g.grid.cellAt(entrance.x, entrance.y, g.level) != cell::Wall ||
      g.grid.cellAt(entry.x, entry.y, g.level) != cell::Wall) {
    return false;
  }

  roomTemplateSize(t.scratch, templateIndex, orientation);
  const int offX = g.rng.below(t.scratch.roomWidth);
  const int offY = g.rng.below(t.scratch.roomHeight);
  const Cell room{entry.x - offX, entry.y - offY};
  if (rectDiffers(g.grid, {room.x - 1, room.y - 1, room.x + t.scratch.roomWidth, room.y + t.scratch.roomHeight},
                  g.level, cell::Wall) == 1) {
    return false;
  }
  // The entry cell must be floor of the shape itself, or the entrance would open onto rock.
  loadRoomTemplate(t.scratch, templateIndex, orientation);
  if (t.scratch.at(offX, offY) != ScratchFloor) return false;
  out = Placement{templateIndex, room, entrance};
  return true;
}

// One room slot: up to AttemptsPerRoom attempts; a slot whose attempts all fail adds nothing.
void fillRoomSlot(Generation& g) {
  Placement placed{};
  for (int attempt = 0; attempt < AttemptsPerRoom; ++attempt) {
    if (!attemptRoom(g, placed)) continue;
    stampRoom(g.grid, g.tables.scratch, g.level, placed.room.x, placed.room.y);
    appendRoom(g.tables, placed.room, g.level, placed.templateIndex);
    const bool door = g.rng.below(EntranceDraws) == EntranceDoorDraw;
    g.grid.setCell(placed.entrance.x, placed.entrance.y, g.level, door ? cell::Door : cell::Floor);
    return;
  }
}

// Fills the area with Wall and puts the level's first room at the centre. False ends generation.
bool startLevel(Generation& g, const DungeonRun& run, bool firstOfRun) {
  const int half = run.areaSize / 2;
  const GridRect area{run.centerX - half, run.centerY - half, run.centerX + half, run.centerY + half};
  if (fillArea(g.grid, area, g.level, cell::Wall) == 1) {
    return false;
  }
  const int templateIndex = firstOfRun ? FirstRoomTemplate : g.rng.below(FirstRoomTemplateChoices);
  TemplateScratch& scratch = g.tables.scratch;
  loadRoomTemplate(scratch, templateIndex, 0);
  const Cell room{run.centerX - scratch.roomWidth / 2, run.centerY - scratch.roomHeight / 2};
  if (rectDiffers(g.grid, {room.x - 1, room.y - 1, room.x + scratch.roomWidth, room.y + scratch.roomHeight}, g.level,
                  cell::Wall) == 1) {
    return false;
  }
  stampRoom(g.grid, scratch, g.level, room.x, room.y);
  g.tables.levelFirstRoom[g.level] = static_cast<std::uint32_t>(g.tables.roomCount);
  appendRoom(g.tables, room, g.level, templateIndex);
  return true;
}

}  // namespace

void generateDungeon(DungeonGrid& grid, GeneratorTables& tables, Rng& rng, const DungeonRun& run) {
  tables.roomCount = 0;
  for (int k = 0; k < run.levelCount; ++k) {
    Generation g{grid, tables, rng, run.firstLevel + k};
    if (!startLevel(g, run, k == 0)) return;
    for (int slot = 0; slot < run.roomsPerLevel; ++slot) fillRoomSlot(g);
    tables.levelEndRoom[g.level] = static_cast<std::uint32_t>(tables.roomCount);
  }
  placeDungeonFeatures(grid, tables, rng, run.firstLevel, run.levelCount, run.areaSize);
}

void generateStartupDungeon(DungeonGrid& grid, GeneratorTables& tables, Rng& rng) {
  generateDungeon(grid, tables, rng, StartupRun);
}

}  // namespace gloam::world
