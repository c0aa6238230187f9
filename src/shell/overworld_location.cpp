// The per-user map: its folder is made and the installed file copied under a temporary name, then
// renamed, so that an interrupted first run never leaves a half-copied map that later runs would keep.
#include "shell/overworld_location.hpp"

#ifndef _WIN32
#include <unistd.h>
#endif
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace gloam::shell {
namespace {

namespace fs = std::filesystem;

// The XDG variables hold absolute POSIX paths; anything else is ignored.
bool absolute(const char* path) { return path != nullptr && path[0] == '/'; }

std::string overworldFileName(int mapNumber) { return std::to_string(mapNumber) + ".overworld"; }

// Whether the read-write open with creation would be refused for lack of permission: an existing
// file it may not write, or a folder it may not create the file in. A missing map folder is judged
// by the data folder itself, so that a writable data folder without one fails the open as it
// always has; a data folder that does not exist at all is left to fail the same way.
bool writeProtected(const fs::path& file, const std::string& dataRoot) {
#ifdef _WIN32
  // Permissions tell nothing here (an emulated or elevated session writes anywhere): only the
  // installer's marker does.
  (void)file;
  (void)dataRoot;
  return false;
#else
  const auto protectedPath = [](const fs::path& path, int mode) { return ::access(path.c_str(), mode) != 0; };
  if (::access(file.c_str(), F_OK) == 0) return protectedPath(file, R_OK | W_OK);
  const fs::path folder = file.parent_path();
  if (::access(folder.c_str(), F_OK) == 0) return protectedPath(folder, W_OK | X_OK);
  if (::access(dataRoot.c_str(), F_OK) == 0) return protectedPath(dataRoot, W_OK | X_OK);
  return false;
#endif
}

bool installedBySetup(const std::string& dataRoot) {
  std::error_code ec;
  return fs::exists(fs::path(dataRoot) / InstalledMarker, ec);
}

// Copies `from` to `to` unless `to` exists or `from` does not.
std::string makeUserCopy(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  if (fs::exists(to, ec)) return {};
  fs::create_directories(to.parent_path(), ec);
  if (ec) return "cannot make the folder " + to.parent_path().string() + ": " + ec.message();
  if (!fs::exists(from, ec)) return {};
  const fs::path partial = to.string() + ".part";
  fs::copy_file(from, partial, fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::permissions(partial, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
  if (!ec) fs::rename(partial, to, ec);
  if (!ec) return {};
  std::error_code ignored;
  fs::remove(partial, ignored);
  return "cannot copy " + from.string() + " to " + to.string() + ": " + ec.message();
}

}  // namespace

std::string userDataFolder(const char* xdgDataHome, const char* home) {
  if (absolute(xdgDataHome)) return (fs::path(xdgDataHome) / "gloamdelve").string();
  if (absolute(home)) return (fs::path(home) / ".local" / "share" / "gloamdelve").string();
  return {};
}

std::string userDataFolderOnWindows(const char* localAppData) {
  if (localAppData == nullptr || !fs::path(localAppData).is_absolute()) return {};
  return (fs::path(localAppData) / "GLOAMDELVE").string();
}

std::string userDataFolderFromEnvironment() {
#ifdef _WIN32
  return userDataFolderOnWindows(std::getenv("LOCALAPPDATA"));
#else
  return userDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
#endif
}

OverworldLocation locateOverworldMap(const assets::DataFolderIndex& data, int mapNumber,
                                     const std::string& userFolder) {
  const std::string installed = assets::resolveDataPath(data, "map", overworldFileName(mapNumber));
  const bool installedHere = installedBySetup(data.root) || writeProtected(installed, data.root);
  if (userFolder.empty() || !installedHere) return {installed, {}};
  return locateUserOverworldMap(installed, mapNumber, userFolder);
}

OverworldLocation locateUserOverworldMap(const std::string& installedMap, int mapNumber,
                                         const std::string& userFolder) {
  const fs::path perUser = fs::path(userFolder) / "map" / overworldFileName(mapNumber);
  std::string problem = makeUserCopy(installedMap, perUser);
  if (!problem.empty()) return {{}, problem};
  return {perUser.string(), {}};
}

}  // namespace gloam::shell
