// readOverworldMap on POSIX files. Short files fill only their bytes; bytes past one level are
// never read; nothing is reported on failure.
#include "world/overworld_map.hpp"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace gloam::world {
namespace {

// Reads until the level is full, the file ends or a read fails; what arrived stays in the level.
void readLevelBytes(int fd, std::uint8_t* level) {
  std::size_t total = 0;
  while (total < static_cast<std::size_t>(LevelSize)) {
    const ssize_t got = ::read(fd, level + total, LevelSize - total);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return;
    total += static_cast<std::size_t>(got);
  }
}

}  // namespace

std::string overworldMapPath(const std::string& dataDir, int mapNumber) {
  const std::filesystem::path folder = dataDir.empty() ? std::filesystem::path{} : std::filesystem::path{dataDir};
  return (folder / "map" / (std::to_string(mapNumber) + ".overworld")).string();
}

int readOverworldMapFile(DungeonGrid& grid, const std::string& path, std::string* problem) {
  // Read and write access, created when missing, as the map format has always been opened.
  // Non-blocking so that a FIFO standing in the file's place cannot stall start-up.
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (problem) *problem = std::strerror(errno);
    return 0;
  }
  readLevelBytes(fd, grid.level(0));
  ::close(fd);
  return OverworldPauseMs;
}

int readOverworldMap(DungeonGrid& grid, const std::string& dataDir, int mapNumber) {
  return readOverworldMapFile(grid, overworldMapPath(dataDir, mapNumber), nullptr);
}

}  // namespace gloam::world
