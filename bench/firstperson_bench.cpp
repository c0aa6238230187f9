// A whole first-person frame on the headless platform (Mesa llvmpipe): clear, scene, readback,
// composite, present, at the start position of seed 1. The batched wall renderer (the game's
// path) and the per-cube renderer run side by side in one process, on the same world and context.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <GL/gl.h>

#include "fpview/first_person_view.hpp"
#include "fpview/scene_composite.hpp"
#include "fpview/wall_block_walk.hpp"
#include "platform/open_platform.hpp"
#include "shell/data_folder.hpp"
#include "shell/game.hpp"
#include "shell/presentation.hpp"
#include "shell/startup.hpp"

namespace {

using namespace gloam;

struct QuadCounter {
  int cubes = 0;
  int quads = 0;
  void wallCell(fpview::CellShift) { ++cubes; }
  void face(const fpview::WallCubeFace&, fpview::CellShift) { ++quads; }
};

// One frame as the main loop runs it in the 320x240 mode, without the text overlays. No key is
// down, so the eye stays where start-up put it and every frame draws the same picture.
void runFrames(benchmark::State& state, shell::Game& game, fpview::WallRenderPath path, float pitch) {
  const fpview::FirstPersonState saved = game.firstPerson;
  game.firstPerson.viewPitch = pitch;
  units::UnitRecord& player = game.units[game.loop.playerUnitIndex];
  for (auto _ : state) {
    shell::clearFrame(game);
    fpview::drawFirstPersonView(game.firstPerson, game.screen, game.platform, game.grid, player, game.view,
                                game.loop.frameCounter, game.loop.tickDivisor, path);
    shell::presentFrame(game);
    ++game.loop.frameCounter;
  }
  QuadCounter count;
  fpview::walkWallBlock(game.grid, player, game.firstPerson.viewRadius, count);
  state.counters["cubes"] = count.cubes;
  state.counters["quads"] = count.quads;
  state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  game.firstPerson = saved;
}

// The art painted into the build folder, which lies one above this program's own folder; the
// game's own search (working directory, beside the executable) otherwise.
// The frame's parts on their own, each waited for with glFinish so that its cost is not carried
// into the next part: the batched scene, the readback with the composite, the presentation.
void runParts(benchmark::State& state, shell::Game& game, int part) {
  units::UnitRecord& player = game.units[game.loop.playerUnitIndex];
  fpview::drawWallBlocks(game.firstPerson, game.grid, player);
  glFinish();
  for (auto _ : state) {
    if (part == 0) {
      glLoadIdentity();
      glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
      fpview::drawWallBlocks(game.firstPerson, game.grid, player);
    } else if (part == 1) {
      fpview::compositeScene(game.screen);
    } else {
      shell::presentFrame(game);
    }
    glFinish();
  }
}

std::string dataFolder() {
  if (const char* env = std::getenv("GLOAMDELVE_DATA")) return env;
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  const std::string built = (exe.parent_path().parent_path() / "data").string();
  if (shell::holdsArt(built)) return built;
  bool fromElsewhere = false;
  return shell::findDataFolder(exe.string(), fromElsewhere);
}

void registerFrames(shell::Game& game) {
  using fpview::WallRenderPath;
  // Pitch 0 is the start view (straight down at the floor); -90 looks level along the level.
  const struct {
    const char* name;
    WallRenderPath path;
    float pitch;
  } runs[] = {{"FirstPersonFrame/Batched/StartView", WallRenderPath::Batched, 0.0f},
              {"FirstPersonFrame/PerCube/StartView", WallRenderPath::PerCube, 0.0f},
              {"FirstPersonFrame/Batched/LevelView", WallRenderPath::Batched, -90.0f},
              {"FirstPersonFrame/PerCube/LevelView", WallRenderPath::PerCube, -90.0f}};
  for (const auto& r : runs) {
    benchmark::RegisterBenchmark(r.name, [&game, r](benchmark::State& s) { runFrames(s, game, r.path, r.pitch); })
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime()
        ->UseRealTime();
  }
  const char* parts[] = {"FirstPersonPart/Scene", "FirstPersonPart/ReadbackComposite", "FirstPersonPart/Present"};
  for (int i = 0; i < 3; ++i) {
    benchmark::RegisterBenchmark(parts[i], [&game, i](benchmark::State& s) { runParts(s, game, i); })
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime()
        ->UseRealTime();
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  platform::PlatformOptions options;
  options.headless = true;
  auto platform = platform::openPlatform(std::move(options), error);
  if (!platform) {
    std::fprintf(stderr, "firstperson_bench: no headless platform: %s\n", error.c_str());
    return 1;
  }
  shell::RunSettings settings;
  settings.dataDir = dataFolder();
  settings.seed = 1;
  shell::Game game(*platform, settings);
  shell::runStartup(game);
  const units::UnitRecord& p = game.units[game.loop.playerUnitIndex];
  std::printf("start position (%d, %d, %d), art from %s\n", p.cellX, p.cellY, p.level, settings.dataDir.c_str());

  registerFrames(game);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
