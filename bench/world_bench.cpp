// The start-up dungeon generation, (128, 128, 33, 9, 255, 2400), on a grid whose generated levels
// are Empty again before each run; allocation and clearing are not timed.
#include <benchmark/benchmark.h>

#include <cstring>

#include "core/rng.hpp"
#include "world/dungeon_generator.hpp"

namespace {

using namespace gloam;

void clearGeneratedLevels(world::DungeonGrid& grid) {
  std::memset(grid.level(world::StartupFirstLevel), 0, static_cast<std::size_t>(world::StartupLevelCount) * LevelSize);
}

void BM_GenerateStartupDungeon(benchmark::State& state) {
  world::DungeonGrid grid;
  world::allocateGrid(grid);
  world::GeneratorTables tables;
  world::allocateGeneratorTables(tables);
  Rng rng;
  std::uint32_t seed = 1;
  for (auto _ : state) {
    state.PauseTiming();
    clearGeneratedLevels(grid);
    rng.seed(seed++);
    state.ResumeTiming();
    world::generateStartupDungeon(grid, tables, rng);
    benchmark::DoNotOptimize(grid.cells.get());
  }
  state.counters["rooms"] = benchmark::Counter(tables.roomCount);
}
BENCHMARK(BM_GenerateStartupDungeon)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
