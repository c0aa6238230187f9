// A whole first-person frame on the headless platform (Mesa llvmpipe): clear, scene, readback,
// composite, present, at the start position of seed 1. The batched wall renderer (the game's
// path) and the per-cube renderer run side by side in one process, on the same world and context.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include "bench_game.hpp"
#include "fpview/first_person_view.hpp"
#include "fpview/scene_composite.hpp"
#include "fpview/visible_wall_faces.hpp"
#include "fpview/wall_block_walk.hpp"
#include "shell/game.hpp"
#include "shell/presentation.hpp"

namespace {

using namespace gloam;

struct QuadCounter {
  int cubes = 0;
  int quads = 0;
  void wallCell(fpview::CellShift) { ++cubes; }
  void face(const fpview::WallCubeFace&, fpview::CellShift) { ++quads; }
};

// One frame's drawing as the main loop runs it in the 320x240 mode, without the eye's movement
// (no GL in it) and the text overlays; the eye stays where start-up put it, so every frame draws
// the same picture.
void runFrames(benchmark::State& state, shell::Game& game, fpview::WallRenderPath path, float pitch) {
  const fpview::FirstPersonState saved = game.firstPerson;
  game.firstPerson.viewPitch = pitch;
  units::UnitRecord& player = game.units[game.loop.playerUnitIndex];
  for (auto _ : state) {
    shell::clearFrame(game);
    fpview::drawFirstPersonView(game.firstPerson, game.screen, game.grid, player, path);
    shell::presentFrame(game);
    ++game.loop.frameCounter;
  }
  QuadCounter count;
  fpview::walkWallBlock(game.grid, player, game.firstPerson.viewRadius, count);
  state.counters["cubes"] = count.cubes;
  state.counters["quads"] = count.quads;
  QuadCounter visible;
  fpview::pushCameraTransform(game.firstPerson, player);
  fpview::walkVisibleWallFaces(game.grid, player, game.firstPerson.viewRadius, fpview::currentGlFrustum(),
                               game.firstPerson.visibility, visible);
  glPopMatrix();
  state.counters["visible"] = visible.quads;
  state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  game.firstPerson = saved;
}

// The frame's parts on their own, each waited for with glFinish so that its cost is not carried
// into the next part: the scene (visible faces, then all faces), the readback with the
// composite, the presentation.
void runParts(benchmark::State& state, shell::Game& game, int part) {
  units::UnitRecord& player = game.units[game.loop.playerUnitIndex];
  fpview::drawWallBlocks(game.firstPerson, game.grid, player);
  glFinish();
  for (auto _ : state) {
    if (part <= 1) {
      glLoadIdentity();
      glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
      if (part == 0) {
        fpview::drawWallBlocks(game.firstPerson, game.grid, player);
      } else {
        fpview::drawAllWallBlocks(game.firstPerson, game.grid, player);
      }
    } else if (part == 2) {
      fpview::compositeScene(game.screen);
    } else {
      shell::presentFrame(game);
    }
    glFinish();
  }
}

void registerFrames(shell::Game& game) {
  using fpview::WallRenderPath;
  // Pitch 0 is the start view (straight down at the floor); -90 looks level along the level.
  const struct {
    const char* name;
    WallRenderPath path;
    float pitch;
  } runs[] = {{"FirstPersonFrame/Visible/StartView", WallRenderPath::Visible, 0.0f},
              {"FirstPersonFrame/AllFaces/StartView", WallRenderPath::AllFaces, 0.0f},
              {"FirstPersonFrame/PerCube/StartView", WallRenderPath::PerCube, 0.0f},
              {"FirstPersonFrame/Visible/LevelView", WallRenderPath::Visible, -90.0f},
              {"FirstPersonFrame/AllFaces/LevelView", WallRenderPath::AllFaces, -90.0f},
              {"FirstPersonFrame/PerCube/LevelView", WallRenderPath::PerCube, -90.0f}};
  for (const auto& r : runs) {
    benchmark::RegisterBenchmark(r.name, [&game, r](benchmark::State& s) { runFrames(s, game, r.path, r.pitch); })
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime()
        ->UseRealTime();
  }
  const char* parts[] = {"FirstPersonPart/Scene/Visible", "FirstPersonPart/Scene/AllFaces",
                         "FirstPersonPart/ReadbackComposite", "FirstPersonPart/Present"};
  for (int i = 0; i < 4; ++i) {
    benchmark::RegisterBenchmark(parts[i], [&game, i](benchmark::State& s) { runParts(s, game, i); })
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime()
        ->UseRealTime();
  }
}

}  // namespace

int main(int argc, char** argv) {
  bench::BenchGame b = bench::startBenchGame("firstperson_bench");
  if (!b.game) return 1;
  registerFrames(*b.game);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
