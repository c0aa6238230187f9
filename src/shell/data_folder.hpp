// Where the art and the maps are found when --data is not given.
#pragma once
#include <string>

namespace gloam::shell {

// True if `dir` holds at least one of the art folders (bmp_*).
bool holdsArt(const std::string& dir);

// The working directory if it holds art; otherwise the data built beside the executable, or the
// installed data; otherwise the working directory anyway (the game runs with empty slots).
// `fromElsewhere` tells whether the choice was not the working directory, so it can be announced.
std::string findDataFolder(const std::string& executablePath, bool& fromElsewhere);

}  // namespace gloam::shell
