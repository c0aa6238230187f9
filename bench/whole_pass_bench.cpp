// Whole passes of the main loop as the game runs them (runOnePass: input, clear, view, texts,
// console, units, mouse cross, presentation with its swap, keys, messages), in the map view
// (640x480, zoom 1) and the first-person view (320x240, zoom 2), at the start of seed 1 with no
// key held. Beside them, the presentation alone (with its swap) through the texture the game uses
// and through the literal glDrawPixels, in one process on the same context.
#include <benchmark/benchmark.h>

#include "bench_game.hpp"
#include "shell/draw_pixels_presentation.hpp"
#include "shell/game_window.hpp"
#include "shell/main_loop.hpp"
#include "shell/presentation.hpp"

namespace {

using namespace gloam;

struct Mode {
  int width, height, zoom;
};
constexpr Mode MapMode{640, 480, 1};
constexpr Mode FirstPersonMode{320, 240, 2};

// The mode keys' switch: a new Framebuffer and a new window and context.
void enterMode(shell::Game& game, Mode m) {
  const ScreenMode& s = game.screen.mode;
  if (s.width == m.width && s.height == m.height && s.pixelZoom == m.zoom) return;
  setScreenMode(game.screen, m.width, m.height);
  game.screen.mode.pixelZoom = m.zoom;
  shell::destroyGameWindow(game);
  shell::createGameWindow(game);
}

void addRate(benchmark::State& state) {
  state.counters["passes/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void runPasses(benchmark::State& state, shell::Game& game, Mode m) {
  enterMode(game, m);
  for (auto _ : state) shell::runOnePass(game);
  addRate(state);
}

// The Framebuffer of one real pass, presented again and again.
void runPresent(benchmark::State& state, shell::Game& game, Mode m, bool drawPixels) {
  enterMode(game, m);
  shell::runOnePass(game);
  for (auto _ : state) {
    if (drawPixels) {
      shell::drawFramebufferPixels(game.screen.mode, game.screen.framebuffer.data());
    } else {
      shell::drawFramebufferTexture(game.presentTexture, game.screen.mode, game.screen.framebuffer.data());
    }
    game.platform.swapBuffers();
  }
  addRate(state);
}

void registerAll(shell::Game& game) {
  const struct {
    const char* name;
    Mode mode;
  } modes[] = {{"Map", MapMode}, {"FirstPerson", FirstPersonMode}};
  for (const auto& m : modes) {
    const std::string mode = m.name;
    const Mode mm = m.mode;
    auto pass = [&game, mm](benchmark::State& s) { runPasses(s, game, mm); };
    auto texture = [&game, mm](benchmark::State& s) { runPresent(s, game, mm, false); };
    auto pixels = [&game, mm](benchmark::State& s) { runPresent(s, game, mm, true); };
    for (auto* b : {benchmark::RegisterBenchmark(("WholePass/" + mode).c_str(), pass),
                    benchmark::RegisterBenchmark(("Present/" + mode + "/Texture").c_str(), texture),
                    benchmark::RegisterBenchmark(("Present/" + mode + "/DrawPixels").c_str(), pixels)})
      b->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
  }
}

}  // namespace

int main(int argc, char** argv) {
  bench::BenchGame b = bench::startBenchGame("whole_pass_bench");
  if (!b.game) return 1;
  registerAll(*b.game);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
