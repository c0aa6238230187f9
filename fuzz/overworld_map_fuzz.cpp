// Fuzzes the overworld map reader: the input becomes map/1.overworld in a private temporary data
// folder and is read into a grid allocated once. Checks that level 0 holds exactly the file's
// leading bytes, keeps what lay beyond them, and that no other level is touched.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "world/dungeon_grid.hpp"
#include "world/overworld_map.hpp"

namespace {

using namespace gloam;

constexpr int MapNumber = 1;
constexpr std::uint8_t LevelZeroFill = 0xA5;  // what level 0 holds before every read
constexpr std::uint8_t LevelOneFill = 0x3C;   // level 1 sits right after level 0: overruns land here

void require(bool condition) {
  if (!condition) std::abort();
}

// The temporary data folder lives as long as the process and is removed at exit.
struct DataFolder {
  std::filesystem::path root;
  DataFolder() {
    char pattern[] = "/tmp/overworld_map_fuzz.XXXXXX";
    require(::mkdtemp(pattern) != nullptr);
    root = pattern;
    std::filesystem::create_directories(root / "map");
  }
  ~DataFolder() {
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
  }
  void writeMap(const std::uint8_t* data, std::size_t size) const {
    std::ofstream out(world::overworldMapPath(root.string(), MapNumber), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    require(out.good());
  }
};

struct Fixture {
  DataFolder folder;
  world::DungeonGrid grid;
  // What levels 0 and 1 hold before every read. Checks compare against these with memcmp: a
  // byte loop would have every comparison traced for coverage and take most of each run.
  std::vector<std::uint8_t> levelZeroBefore = std::vector<std::uint8_t>(LevelSize, LevelZeroFill);
  std::vector<std::uint8_t> levelOneBefore = std::vector<std::uint8_t>(LevelSize, LevelOneFill);
  Fixture() {
    world::allocateGrid(grid);
    std::memcpy(grid.level(1), levelOneBefore.data(), LevelSize);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Fixture fixture;
  world::DungeonGrid& grid = fixture.grid;
  fixture.folder.writeMap(data, size);
  std::memcpy(grid.level(0), fixture.levelZeroBefore.data(), LevelSize);

  const int pause = world::readOverworldMap(grid, fixture.folder.root.string(), MapNumber);
  require(pause == world::OverworldPauseMs);

  const std::size_t used = size < static_cast<std::size_t>(LevelSize) ? size : LevelSize;
  require(used == 0 || std::memcmp(grid.level(0), data, used) == 0);
  require(std::memcmp(grid.level(0) + used, fixture.levelZeroBefore.data() + used, LevelSize - used) == 0);
  require(std::memcmp(grid.level(1), fixture.levelOneBefore.data(), LevelSize) == 0);
  return 0;
}
