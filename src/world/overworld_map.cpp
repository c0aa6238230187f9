// readOverworldMap with each system's own file calls. Short files fill only their bytes; bytes
// past one level are never read; nothing is reported on failure. The file is opened for reading
// and writing and created when missing, as the map format has always been opened.
#include "world/overworld_map.hpp"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#endif
#include <filesystem>

namespace gloam::world {
namespace {

#ifdef _WIN32

std::string lastErrorText() {
  char text[256] = "";
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, GetLastError(), 0, text,
                 sizeof text, nullptr);
  std::string s(text);
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == '.')) s.pop_back();
  return s;
}

// CreateFileA, ReadFile until the level is full or the file ends, CloseHandle.
bool openAndReadLevel(const std::string& path, std::uint8_t* level, std::string* problem) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    if (problem) *problem = lastErrorText();
    return false;
  }
  DWORD total = 0;
  DWORD got = 0;
  while (total < static_cast<DWORD>(LevelSize) && ReadFile(file, level + total, LevelSize - total, &got, nullptr) &&
         got > 0)
    total += got;
  CloseHandle(file);
  return true;
}

#else

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

// Non-blocking, so that a FIFO standing in the file's place cannot stall start-up.
bool openAndReadLevel(const std::string& path, std::uint8_t* level, std::string* problem) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (problem) *problem = std::strerror(errno);
    return false;
  }
  readLevelBytes(fd, level);
  ::close(fd);
  return true;
}

#endif

}  // namespace

std::string overworldMapPath(const std::string& dataDir, int mapNumber) {
  const std::filesystem::path folder = dataDir.empty() ? std::filesystem::path{} : std::filesystem::path{dataDir};
  return (folder / "map" / (std::to_string(mapNumber) + ".overworld")).string();
}

int readOverworldMapFile(DungeonGrid& grid, const std::string& path, std::string* problem) {
  return openAndReadLevel(path, grid.level(0), problem) ? OverworldPauseMs : 0;
}

int readOverworldMap(DungeonGrid& grid, const std::string& dataDir, int mapNumber) {
  return readOverworldMapFile(grid, overworldMapPath(dataDir, mapNumber), nullptr);
}

}  // namespace gloam::world
