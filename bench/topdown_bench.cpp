// A 640x480 top-down frame (tiles, path, ring, units, labels) against two yardsticks in the same run:
// the floor copies the same 1,200 tiles row by row with memcpy from ready-made RGBA rows, and the
// literal frame draws every picture pixel through an out-of-line, bounds-checked pixel write.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "views/topdown_fixture.hpp"
#include "views/topdown_reference.hpp"
#include "views/topdown_view.hpp"

namespace {

using gloam::views::testing::TopDownFixture;

TopDownFixture& busyFixture() {
  static TopDownFixture fixture = [] {
    TopDownFixture f;
    gloam::views::testing::populateBusyLevel(f);
    return f;
  }();
  return fixture;
}

void BM_TopDownFrame(benchmark::State& state) {
  TopDownFixture& f = busyFixture();
  const auto& trig = gloam::views::testing::sharedTrig();
  for (auto _ : state) {
    gloam::views::drawTopDownView(f.screen, f.world(), f.bank, trig, f.text);
    benchmark::ClobberMemory();
  }
}

void BM_LiteralTopDownFrame(benchmark::State& state) {
  TopDownFixture& f = busyFixture();
  const auto& trig = gloam::views::testing::sharedTrig();
  for (auto _ : state) {
    gloam::views::reference::drawTopDownFrame(f.screen, f.world(), f.bank, trig, f.text);
    benchmark::ClobberMemory();
  }
}

// The floor: each cell's picture already expanded to RGBA, copied 16 rows at a time.
void BM_RowCopyFloor(benchmark::State& state) {
  TopDownFixture& f = busyFixture();
  std::vector<std::vector<std::uint8_t>> rgba(256);
  for (int code = 0; code < 256; ++code) {
    const int slot = gloam::views::tileSlotFor(static_cast<std::uint8_t>(code));
    if (slot == gloam::views::NoTile) continue;
    const auto& px = f.bank[slot].pixels;
    for (std::size_t i = 0; i < px.size(); i += 3)
      rgba[code].insert(rgba[code].end(), {px[i], px[i + 1], px[i + 2], 255});
  }
  const int width = f.screen.mode.width;
  for (auto _ : state) {
    for (int i = 0; i < width / 16; ++i) {
      for (int j = 0; j < f.screen.mode.height / 16; ++j) {
        const auto& tile = rgba[f.grid.cellAt(f.origin.sx + i, f.origin.sy + j, f.origin.sz)];
        for (int k = 0; k < 16; ++k)
          std::memcpy(&f.screen.framebuffer[((16 * j + k) * width + 16 * i) * 4], &tile[k * 64], 64);
      }
    }
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_RowCopyFloor);
BENCHMARK(BM_TopDownFrame);
BENCHMARK(BM_LiteralTopDownFrame);

}  // namespace

BENCHMARK_MAIN();
