// Which overworld map file the game opens. A data folder the player can write to serves its own
// map, as it always has. An installed one (read-only, or marked by its installer) is shadowed by a
// per-user copy, made from the installed map the first time it is needed: under the XDG data home
// on Linux, under %LOCALAPPDATA% on Windows.
#pragma once
#include <string>

#include "assets/data_folder_index.hpp"

namespace gloam::shell {

// "$XDG_DATA_HOME/gloamdelve" (an absolute XDG_DATA_HOME only), else "$HOME/.local/share/gloamdelve";
// empty when neither variable gives an absolute path. The arguments may be null.
std::string userDataFolder(const char* xdgDataHome, const char* home);

// "%LOCALAPPDATA%\GLOAMDELVE" (an absolute LOCALAPPDATA only), else empty. The argument may be null.
std::string userDataFolderOnWindows(const char* localAppData);

// The system's own choice of the two from this process's environment.
std::string userDataFolderFromEnvironment();

// The file an installer leaves in the data folder it installed: the game then writes nothing there,
// whether or not the folder would let it (some systems let everybody write into program folders).
inline constexpr const char* InstalledMarker = "installed.txt";

struct OverworldLocation {
  std::string path;     // the file to open; empty when the per-user copy could not be made
  std::string problem;  // why not, naming the file; empty otherwise
};

// Map `mapNumber` inside the data folder unless the folder holds the installer's marker or
// permissions forbid opening the map for writing or creating it there (a data folder that does
// not exist forbids nothing), or when there is no per-user folder to go to; otherwise "<userFolder>/map/<N>.overworld",
// copied from the data folder's map when it does not exist yet.
OverworldLocation locateOverworldMap(const assets::DataFolderIndex& data, int mapNumber, const std::string& userFolder);

// The per-user step alone: "<userFolder>/map/<N>.overworld", copied from `installedMap` (however
// that one's name is cased) unless it exists already. A missing installed map is no error: the game's open
// then creates the per-user one empty, as it would have created the installed one.
OverworldLocation locateUserOverworldMap(const std::string& installedMap, int mapNumber, const std::string& userFolder);

}  // namespace gloam::shell
