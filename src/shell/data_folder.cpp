// A fresh build runs from anywhere: the build writes its art beside the executable, and an
// installed game keeps it under share/.
#include "shell/data_folder.hpp"

#include <filesystem>
#include <system_error>

namespace gloam::shell {

namespace fs = std::filesystem;

bool holdsArt(const std::string& dir) {
  std::error_code ec;
  for (const char* folder : {"bmp_dungeon", "bmp_land", "bmp_unit", "bmp_cube"})
    if (fs::is_directory(fs::path(dir) / folder, ec)) return true;
  return false;
}

std::string findDataFolder(const std::string& executablePath, bool& fromElsewhere) {
  fromElsewhere = false;
  if (holdsArt(".")) return ".";
  std::error_code ec;
  const fs::path exeDir = fs::weakly_canonical(fs::path(executablePath), ec).parent_path();
  for (const fs::path& candidate : {exeDir / "data", exeDir.parent_path() / "share" / "gloamdelve"}) {
    if (holdsArt(candidate.string())) {
      fromElsewhere = true;
      return candidate.string();
    }
  }
  return ".";
}

}  // namespace gloam::shell
