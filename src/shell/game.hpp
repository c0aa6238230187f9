// The Game: every table and every piece of state the program has, owned in one place.
// Subsystems get the narrow pieces they need by reference; nothing lives in globals.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "assets/data_folder_index.hpp"
#include "assets/object_templates.hpp"
#include "assets/sprite_bank.hpp"
#include "assets/trig_tables.hpp"
#include "comfort/comfort_state.hpp"
#include "console/console_state.hpp"
#include "core/rng.hpp"
#include "core/screen.hpp"
#include "draw/text.hpp"
#include "fpview/first_person_state.hpp"
#include "platform/platform.hpp"
#include "shell/comfort_window.hpp"
#include "shell/frame_clock.hpp"
#include "shell/framebuffer_texture.hpp"
#include "shell/mode_rules.hpp"
#include "shell/shown_frame.hpp"
#include "units/path_context.hpp"
#include "units/unit_table.hpp"
#include "world/dungeon_grid.hpp"
#include "world/generator_tables.hpp"

namespace gloam::shell {

// The loop's own counters and flags.
struct LoopState {
  int frameCounter = 0;       // FrameCounter: +1 at the end of every pass
  float tickDivisor = 30.0f;  // TickDivisor: units step every 10, 30 or 60 passes
  int quitRequested = 0;      // set by Escape or a close request; the loop ends after the pass
  int screenSaverMode = 0;    // 1: the screen-saver view replaces both map views
  int playerUnitIndex = units::PlayerUnitIndex;
};

// What the command line asks of a run, beyond the game itself.
struct RunSettings {
  std::string dataDir = ".";
  std::uint32_t seed = 0;
  long long maxFrames = -1;  // request quit after this many passes; -1: no limit
  int fps = 0;               // passes a second on the wall clock; 0: uncapped
  bool comfort = false;      // --comfort: the comfort layer replaces some classic steps
};

struct Game {
  Game(platform::Platform& p, RunSettings s)
      : platform(p), settings(std::move(s)), rules(settings.comfort ? comfortRules() : classicRules()) {
    clock.fps = settings.fps;
    comfort.passesPerSecond = comfort::passRateFor(settings.fps);
    screen.mode.scaledToWindow = settings.comfort;
  }

  platform::Platform& platform;
  RunSettings settings;
  const ModeRules& rules;              // the classic game's or comfort mode's, for the whole run
  assets::DataFolderIndex dataFolder;  // the names in settings.dataDir, listed once at start-up
  LoopState loop;
  FrameClock clock;
  Rng rng;

  Screen screen;
  world::DungeonGrid grid;
  world::ViewOrigin view;
  world::GeneratorTables generator;
  units::UnitTable units;
  units::PathContext paths;
  assets::SpriteBank sprites;
  assets::TrigTables trig;
  assets::ObjectTemplateTable objects;
  draw::TextBuffer text;
  console::ConsoleState console;
  fpview::FirstPersonState firstPerson;
  comfort::ComfortState comfort;      // used only with RunSettings::comfort
  ComfortWindow comfortWindow;        // comfort's window: its place and fullscreen
  FramebufferTexture presentTexture;  // what presentFrame shows the Framebuffer through
  ShownFrame shown;                   // what the window shows now, and the last picture drawn
  bool screenshotKeyWasDown = false;  // F12 writes one screenshot per press, not per frame
};

// The PlayerUnit: the unit the player commands and the view follows.
inline units::UnitRecord& player(Game& game) { return game.units[game.loop.playerUnitIndex]; }
inline const units::UnitRecord& player(const Game& game) { return game.units[game.loop.playerUnitIndex]; }

}  // namespace gloam::shell
