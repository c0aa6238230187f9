// Whole-level path searches three ways on the same levels: runPathSearch (heap selection), the
// literal scan of every listed node, and a plain binary-heap Dijkstra. Before timing, each level's
// heap and literal searches are checked to leave identical workspaces and results.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <queue>
#include <vector>

#include "units/direction_table.hpp"
#include "units/literal_path_search.hpp"
#include "units/path_cell_rules.hpp"
#include "units/path_search.hpp"
#include "units/random_levels.hpp"
#include "world/dungeon_generator.hpp"
#include "world/level_layout.hpp"

namespace gloam::units {
namespace {

constexpr int L = 2;
constexpr int Budget = GridSide * GridSide;

struct Scenario {
  const char* name;
  int startX, startY, goalX, goalY;
};

struct BenchWorld {
  world::DungeonGrid grid;
  UnitTable units;
  SearchWorkspace fast, literal;
  // One level per scenario, copied into level L before each scenario's runs.
  std::vector<std::vector<std::uint8_t>> levels;
  std::vector<Scenario> scenarios;
};

// A goal cell of Wall is never entered, so every search below lists all it can reach.
Scenario generatedLevel(BenchWorld& b) {
  world::GeneratorTables tables;
  world::allocateGeneratorTables(tables);
  Rng rng;
  rng.seed(1);
  world::generateStartupDungeon(b.grid, tables, rng);
  world::buildLevelLayout(b.grid);
  int sx = 128, sy = 128;
  while (b.grid.cellAt(sx, sy, L) != cell::Floor) sx = 1 + rng.below(254), sy = 1 + rng.below(254);
  int gx = 1, gy = 1;
  while (b.grid.cellAt(gx, gy, L) != cell::Wall) ++gx;
  return {"generated dungeon level, unreachable goal", sx, sy, gx, gy};
}

Scenario mixedOverworld(BenchWorld& b) {
  Rng rng;
  rng.seed(7);
  testing::paintMix(b.grid, L, testing::OverworldMix, rng);
  b.grid.setCell(200, 200, L, cell::Wall);
  return {"mixed overworld codes, unreachable goal", 60, 60, 200, 200};
}

// Cheap Floor everywhere but a pocket of Hills beside the start: its nodes stay open for half the
// search, and a scan from firstOpen passes over nearly every listed node on each expansion.
Scenario expensivePocket(BenchWorld& b) {
  std::memset(b.grid.level(L), cell::Floor, LevelSize);
  for (int y = 126; y <= 130; ++y)
    for (int x = 129; x <= 133; ++x) b.grid.setCell(x, y, L, cell::LandHills);
  b.grid.setCell(250, 250, L, cell::Wall);
  return {"open floor, hills pocket beside the start, unreachable goal", 128, 128, 250, 250};
}

void addScenario(BenchWorld& b, Scenario (*build)(BenchWorld&)) {
  b.scenarios.push_back(build(b));
  b.levels.emplace_back(b.grid.level(L), b.grid.level(L) + LevelSize);
}

void useLevel(BenchWorld& b, int scenario) { std::memcpy(b.grid.level(L), b.levels[scenario].data(), LevelSize); }

int runFast(BenchWorld& b, const Scenario& s) {
  beginPathSearch(b.fast, b.units, {s.startX, s.startY}, {s.goalX, s.goalY}, L, GridSide);
  return static_cast<int>(runPathSearch(b.fast, b.grid, Budget));
}

int runLiteral(BenchWorld& b, const Scenario& s) {
  beginPathSearch(b.literal, b.units, {s.startX, s.startY}, {s.goalX, s.goalY}, L, GridSide);
  return literal::runPathSearch(b.literal, b.grid, Budget);
}

bool sameWorkspace(const SearchWorkspace& a, const SearchWorkspace& c) {
  const std::size_t n = static_cast<std::size_t>(a.lastNode) + 1;
  return a.lastNode == c.lastNode && a.currentNode == c.currentNode && a.firstOpen == c.firstOpen &&
         a.bestNode == c.bestNode && a.bestCost == c.bestCost && a.searchResult == c.searchResult &&
         std::memcmp(a.nodeX.get(), c.nodeX.get(), n * 2) == 0 &&
         std::memcmp(a.nodeY.get(), c.nodeY.get(), n * 2) == 0 &&
         std::memcmp(a.nodeParent.get(), c.nodeParent.get(), n * 4) == 0 &&
         std::memcmp(a.nodeState.get(), c.nodeState.get(), n) == 0 &&
         std::memcmp(a.nodeCost.get(), c.nodeCost.get(), n * 4) == 0 &&
         std::memcmp(a.windowGrid.get(), c.windowGrid.get(), static_cast<std::size_t>(Budget)) == 0;
}

// A plain Dijkstra over the same moves and prices: relaxes every edge, lazy deletion, stops when
// the queue runs dry or the goal is settled. Returns the number of cells reached.
struct TextbookDijkstra {
  std::vector<float> dist = std::vector<float>(LevelSize);
  std::vector<std::uint8_t> done = std::vector<std::uint8_t>(LevelSize);
  std::vector<std::pair<float, int>> heap;

  int run(const BenchWorld& b, const Scenario& s) {
    std::fill(dist.begin(), dist.end(), std::numeric_limits<float>::infinity());
    std::fill(done.begin(), done.end(), 0);
    heap.clear();
    const std::uint8_t* cells = b.grid.level(L);
    const CellCostTable& costs = b.fast.cellCostTable;
    const int start = s.startY * GridSide + s.startX, goal = s.goalY * GridSide + s.goalX;
    dist[start] = 1.0f;
    heap.emplace_back(1.0f, start);
    int reached = 1;
    while (!heap.empty()) {
      std::pop_heap(heap.begin(), heap.end(), std::greater<>());
      const auto [d, at] = heap.back();
      heap.pop_back();
      if (done[at]) continue;
      done[at] = 1;
      if (at == goal) break;
      const int cx = at % GridSide, cy = at / GridSide;
      for (int k = 0; k < DirectionCount; ++k) {
        const int nx = cx + b.fast.dirDX[k], ny = cy + b.fast.dirDY[k];
        if (nx < 1 || ny < 1 || nx > GridSide - 2 || ny > GridSide - 2) continue;
        const bool flanksOpen = isOpenGround(cells[cy * GridSide + nx]) && isOpenGround(cells[ny * GridSide + cx]);
        if (isDiagonal(k) && !flanksOpen) continue;
        const int next = ny * GridSide + nx;
        if (done[next] || !isEnterable(cells[next])) continue;
        const float nd = d + b.fast.dirCost[k] + costs[cells[next]];
        if (nd >= dist[next]) continue;
        reached += dist[next] == std::numeric_limits<float>::infinity();
        dist[next] = nd;
        heap.emplace_back(nd, next);
        std::push_heap(heap.begin(), heap.end(), std::greater<>());
      }
    }
    return reached;
  }
};

BenchWorld& benchWorld() {
  static BenchWorld* world = [] {
    auto* b = new BenchWorld;
    world::allocateGrid(b->grid);
    allocateUnitTable(b->units);
    allocateSearchWorkspace(b->fast);
    allocateSearchWorkspace(b->literal);
    initCellCostTable(b->fast.cellCostTable);
    initCellCostTable(b->literal.cellCostTable);
    addScenario(*b, generatedLevel);
    addScenario(*b, mixedOverworld);
    addScenario(*b, expensivePocket);
    return b;
  }();
  return *world;
}

// Runs before any timing: the two selections must agree on every scenario.
bool scenarioAgrees(BenchWorld& b, int i) {
  useLevel(b, i);
  const Scenario& s = b.scenarios[i];
  const int fast = runFast(b, s), literal = runLiteral(b, s);
  TextbookDijkstra dijkstra;
  const int reached = dijkstra.run(b, s);
  const bool same = fast == literal && sameWorkspace(b.fast, b.literal);
  std::fprintf(stderr, "scenario %d (%s): result %d, %d nodes listed, Dijkstra reached %d cells, heap %s literal\n", i,
               s.name, fast, b.fast.lastNode + 1, reached, same ? "identical to" : "DIFFERS FROM");
  return same;
}

enum Method { Heap, LiteralScan, Dijkstra };

// Checked once per scenario, however often the benchmark library calls a benchmark.
bool agreesOnce(BenchWorld& b, int i) {
  static std::vector<int> verdicts;
  if (verdicts.empty()) verdicts.assign(b.scenarios.size(), -1);
  if (verdicts[i] < 0) verdicts[i] = scenarioAgrees(b, i) ? 1 : 0;
  useLevel(b, i);
  return verdicts[i] == 1;
}

void BM_WholeLevelSearch(benchmark::State& state) {
  BenchWorld& b = benchWorld();
  const int i = static_cast<int>(state.range(0));
  if (!agreesOnce(b, i)) {
    state.SkipWithError("heap and literal searches differ");
    return;
  }
  const Scenario& s = b.scenarios[i];
  TextbookDijkstra dijkstra;
  for (auto _ : state) {
    switch (state.range(1)) {
      case Heap: benchmark::DoNotOptimize(runFast(b, s)); break;
      case LiteralScan: benchmark::DoNotOptimize(runLiteral(b, s)); break;
      default: benchmark::DoNotOptimize(dijkstra.run(b, s)); break;
    }
  }
  state.SetLabel(s.name);
}

BENCHMARK(BM_WholeLevelSearch)
    ->ArgNames({"level", "method"})
    ->ArgsProduct({{0, 1, 2}, {Heap, LiteralScan, Dijkstra}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gloam::units

BENCHMARK_MAIN();
