// Where the art and the maps are found, and what is said when they are not: the --data check,
// the search when --data is not given, and the one-line report of pictures that did not load.
#pragma once
#include <string>

#include "assets/sprite_catalogue_loader.hpp"

namespace gloam::shell {

// True if `dir` holds at least one of the art folders (bmp_*), in any letter case.
bool holdsArt(const std::string& dir);

// The running program's own file, as an absolute path; empty if the system will not say.
std::string executablePath();

// The working directory if it holds art; otherwise the folder of the executable itself (an unzipped
// or installed Windows game keeps its art beside it), the data built beside the executable, or the
// installed data; otherwise the working directory anyway (the game runs with empty slots).
// `fromElsewhere` tells whether the choice was not the working directory, so it can be announced.
std::string findDataFolder(const std::string& executablePath, bool& fromElsewhere);

// False, with a one-line `error` naming it, when the folder given to --data does not exist or is
// not a folder.
bool checkDataOption(const std::string& dir, std::string& error);

// "loaded N of 214 pictures from DIR (missing: a, b, c)" naming the first three missing paths, or
// an empty string when every picture loaded.
std::string describeArtLoad(const assets::ArtLoadReport& report, const std::string& dir);

}  // namespace gloam::shell
