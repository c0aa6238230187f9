// How a run's files reach the disk without losing data: a path is checked before the game starts,
// and a file is written whole under a temporary name beside it and renamed, or written in place when
// the path is a device or a pipe. What goes into the files is run_outputs' business.
#pragma once
#include <string>
#include <string_view>

namespace gloam::shell {

// Why a file could not be written at `path` at the end of the run ("the folder x does not exist",
// "it is a folder", the system's reason), or "" when it can. Devices and pipes pass unopened: opening
// a pipe would wait for its reader.
std::string outputPathProblem(const std::string& path);

// Writes `bytes` to `path` and says whether all of them arrived; on failure `reason` says why and
// whatever stood under `path` before is still there. A regular file (or one reached through a
// symbolic link) is replaced by a rename, keeping its permissions; a device or a pipe is written
// directly and never replaced.
bool writeWholeFile(const std::string& path, std::string_view bytes, std::string& reason);

}  // namespace gloam::shell
