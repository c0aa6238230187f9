// Fuzzes the console with arbitrary input: either a stream of key presses and releases fed frame
// by frame through runConsole and editTextLine, or raw command lines run directly.
// First byte, bit 0: 1 = command lines (NUL-separated), 0 = key stream; bit 1 (key stream only):
// drive editTextLine with a maxLength taken from the second byte instead of runConsole.
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "console/run_console.hpp"
#include "console/text_entry_line.hpp"
#include "platform/keys.hpp"
#include "platform/null_window_platform.hpp"
#include "world/cell_codes.hpp"

namespace {

using namespace gloam;

// Keys only; every window operation is a no-op and pauses are counted.
class KeyStatePlatform : public platform::NullWindowPlatform {
 public:
  std::array<bool, 256> held{};

  bool keyDown(int virtualKey) override { return virtualKey >= 0 && virtualKey < 256 && held[virtualKey]; }
};

// The keys a byte can toggle: everything the console reads plus two it must ignore.
std::vector<int> consoleKeys() {
  std::vector<int> keys{vk::Tab, vk::Enter, vk::Backspace, vk::Shift, vk::Space, vk::Escape, vk::NumpadAdd};
  for (int k = 0; k < 26; ++k) keys.push_back(vk::KeyA + k);
  for (int d = 0; d < 10; ++d) keys.push_back(vk::digit(d));
  return keys;
}

// A world with Wall on a regular pattern, so teleports are both refused and accepted.
std::uint8_t pristineCell(std::size_t index) { return index % 7 == 0 ? cell::Wall : cell::Floor; }

struct Fixture {
  KeyStatePlatform platform;
  Screen screen;
  draw::TextBuffer text;
  world::DungeonGrid grid;
  units::UnitTable units;
  world::ViewOrigin viewOrigin;
  int screenSaverMode = 0;
  console::ConsoleState console;
  int frameCounter = 0;
  std::vector<std::size_t> playerCells;  // where the player stood when a command could run

  Fixture() {
    setScreenMode(screen, 320, 240);
    world::allocateGrid(grid);
    units::allocateUnitTable(units);
    for (std::size_t i = 0; i < static_cast<std::size_t>(GridBytes); ++i) grid.cells[i] = pristineCell(i);
  }
  // Commands write only at the player's cell and its +x, +y and +z neighbours, so restoring those
  // for every place the player stood brings back the pristine world without copying all of it.
  void notePlayerCell() {
    const units::UnitRecord& p = units[units::PlayerUnitIndex];
    playerCells.push_back(world::DungeonGrid::indexOf(p.cellX, p.cellY, p.level));
  }
  void restoreGrid() {
    for (std::size_t base : playerCells)
      for (std::size_t step : {std::size_t{0}, std::size_t{1}, std::size_t{GridSide}, std::size_t{LevelSize}})
        if (base + step < static_cast<std::size_t>(GridBytes)) grid.cells[base + step] = pristineCell(base + step);
    playerCells.clear();
  }
  // Every run starts from the same world, so a crash reproduces from its input alone.
  void reset() {
    restoreGrid();
    units[units::PlayerUnitIndex] = units::UnitRecord{};
    units[units::PlayerUnitIndex].cellX = 100;
    units[units::PlayerUnitIndex].cellY = 100;
    units[units::PlayerUnitIndex].level = 2;
    viewOrigin = {};
    screenSaverMode = 0;
    platform.held.fill(false);
    console::freeConsole(console);
    console = console::ConsoleState{};
    console::initConsole(console);
    frameCounter = 0;
  }
  console::CommandTargets targets() { return {grid, units, viewOrigin, screenSaverMode, platform}; }
};

void runCommandLines(Fixture& f, const std::uint8_t* data, std::size_t size) {
  std::string line;
  for (std::size_t i = 0; i <= size; ++i) {
    if (i < size && data[i] != 0) {
      line.push_back(static_cast<char>(data[i]));
      continue;
    }
    f.notePlayerCell();
    console::executeCommandLine(f.console, line.c_str(), f.targets());
    line.clear();
  }
}

void runKeyStream(Fixture& f, const std::uint8_t* data, std::size_t size, bool direct, int maxLength) {
  static const std::vector<int> keys = consoleKeys();
  for (std::size_t i = 0; i < size; ++i) {
    const int key = keys[(data[i] & 0x7F) % keys.size()];
    f.platform.held[key] = !f.platform.held[key];
    if ((data[i] & 0x80) == 0) continue;  // a press without a frame: keys combine
    if (direct) {
      console::editTextLine(f.console, {f.platform, f.screen, f.text, f.frameCounter++}, 14, 73, maxLength, "CMD:");
    } else {
      f.notePlayerCell();
      console::runConsole(f.console, f.screen, f.text, f.frameCounter++,
                          {f.grid, f.units, f.viewOrigin, f.screenSaverMode, f.platform});
    }
    // The length and the terminator must always agree, whatever was held.
    const int length = f.console.CommandLength;
    if (length < 0 || length > console::MaxLineLength) __builtin_trap();
    if (std::strlen(f.console.CommandLine) != static_cast<std::size_t>(length)) __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Fixture fixture;
  if (size < 2) return 0;
  fixture.reset();
  if (data[0] & 1) {
    runCommandLines(fixture, data + 1, size - 1);
  } else {
    const int maxLength = data[1] * 2 - 100;  // negative, inside and beyond the buffer
    runKeyStream(fixture, data + 2, size - 2, (data[0] & 2) != 0, maxLength);
  }
  return 0;
}
