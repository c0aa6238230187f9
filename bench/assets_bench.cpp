// Start-up asset costs: the trig table build (against the plain per-entry loop it must equal),
// decoding one texture, and loading the whole picture catalogue from a scratch folder.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "assets/bitmap_reader.hpp"
#include "assets/bmp_test_files.hpp"
#include "assets/catalogue.hpp"
#include "assets/fast_sincos.hpp"
#include "assets/sprite_catalogue_loader.hpp"
#include "assets/trig_tables.hpp"
#include "core/constants.hpp"

namespace {

using namespace gloam::assets;

void BM_BuildTrigTables(benchmark::State& state) {
  for (auto _ : state) {
    TrigTables tables;
    buildTrigTables(tables);
    benchmark::DoNotOptimize(tables.sine[state.iterations() % TrigTableSize]);
  }
}
BENCHMARK(BM_BuildTrigTables)->Unit(benchmark::kMillisecond);

// The table's definition written out directly: one libm sine and cosine per entry.
void BM_BuildTrigTablesPlainLoop(benchmark::State& state) {
  for (auto _ : state) {
    auto sine = std::make_unique_for_overwrite<float[]>(TrigTableSize);
    auto cosine = std::make_unique_for_overwrite<float[]>(TrigTableSize);
    for (float a = 0.0f; a < static_cast<float>(TrigTableSize); a += 1.0f) {
      const double x = a * gloam::DegreesToRadians / 1000.0;
      sine[static_cast<int>(std::floor(a))] = static_cast<float>(std::sin(x));
      cosine[static_cast<int>(std::floor(a))] = static_cast<float>(std::cos(x));
    }
    benchmark::DoNotOptimize(sine[state.iterations() % TrigTableSize]);
  }
}
BENCHMARK(BM_BuildTrigTablesPlainLoop)->Unit(benchmark::kMillisecond);

// The arithmetic alone, into buffers already touched: on a virtual machine the first touch of the
// 28.8 MB the tables occupy costs about as much as computing them.
void BM_TrigEntriesKernel(benchmark::State& state) {
  std::vector<float> sine(TrigTableSize, 1.0f);
  std::vector<float> cosine(TrigTableSize, 1.0f);
  for (auto _ : state) {
    int uncertain = 0;
    for (int i = 0; i < TrigTableSize; ++i) {
      double s = 0.0;
      double c = 0.0;
      fastSinCos(static_cast<float>(i) * gloam::DegreesToRadians / 1000.0, s, c);
      sine[i] = static_cast<float>(s);
      cosine[i] = static_cast<float>(c);
      uncertain += static_cast<int>(!roundsSafely(s)) + static_cast<int>(!roundsSafely(c));
    }
    benchmark::DoNotOptimize(uncertain);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TrigEntriesKernel)->Unit(benchmark::kMillisecond);

void BM_TrigEntriesLibm(benchmark::State& state) {
  std::vector<float> sine(TrigTableSize, 1.0f);
  std::vector<float> cosine(TrigTableSize, 1.0f);
  for (auto _ : state) {
    for (int i = 0; i < TrigTableSize; ++i) {
      const double x = static_cast<float>(i) * gloam::DegreesToRadians / 1000.0;
      sine[i] = static_cast<float>(std::sin(x));
      cosine[i] = static_cast<float>(std::cos(x));
    }
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TrigEntriesLibm)->Unit(benchmark::kMillisecond);

void BM_DecodeBitmap64x64(benchmark::State& state) {
  const auto file = testing::makeBmp(64, 64, testing::patternBytes(64 * 64 * 3, 1));
  SpriteSlot slot;
  for (auto _ : state) {
    benchmark::DoNotOptimize(decodeBitmap(file.data(), file.size(), slot));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_DecodeBitmap64x64);

// 214 pictures of 16 x 16 (64 x 64 for the first-person textures), read from files.
void BM_LoadSpriteCatalogue(benchmark::State& state) {
  testing::ScratchDir dir("assets-bench");
  for (const CatalogueEntry& entry : catalogueEntries()) {
    const std::uint32_t side = entry.directory == "bmp_cube" ? 64 : 16;
    dir.write(std::string(entry.directory) + "/" + std::string(entry.fileName),
              testing::makeBmp(side, side, testing::patternBytes(side * side * 3, entry.slot)));
  }
  for (auto _ : state) {
    SpriteBank bank;
    allocateSpriteBank(bank);
    loadSpriteCatalogue(bank, dir.path().string());
    benchmark::DoNotOptimize(countLoadedSlots(bank));
    releaseSpriteBank(bank);
  }
}
BENCHMARK(BM_LoadSpriteCatalogue)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
