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
  Fixture() {
    world::allocateGrid(grid);
    std::memset(grid.level(1), LevelOneFill, LevelSize);
  }
};

bool allBytesAre(const std::uint8_t* first, std::size_t count, std::uint8_t value) {
  for (std::size_t i = 0; i < count; ++i)
    if (first[i] != value) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Fixture fixture;
  world::DungeonGrid& grid = fixture.grid;
  fixture.folder.writeMap(data, size);
  std::memset(grid.level(0), LevelZeroFill, LevelSize);

  const int pause = world::readOverworldMap(grid, fixture.folder.root.string(), MapNumber);
  require(pause == world::OverworldPauseMs);

  const std::size_t used = size < static_cast<std::size_t>(LevelSize) ? size : LevelSize;
  require(used == 0 || std::memcmp(grid.level(0), data, used) == 0);
  require(allBytesAre(grid.level(0) + used, LevelSize - used, LevelZeroFill));
  require(allBytesAre(grid.level(1), LevelSize, LevelOneFill));
  return 0;
}
