// A fresh build runs from anywhere: the build writes its art beside the executable, and an
// installed game keeps it under share/ (Linux) or in its own folder (Windows).
#include "shell/data_folder.hpp"

#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "assets/catalogue.hpp"
#include "assets/data_folder_index.hpp"

namespace gloam::shell {

namespace fs = std::filesystem;

bool holdsArt(const std::string& dir) {
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_directory(typeError) && assets::foldCase(it->path().filename().string()).starts_with("bmp_"))
      return true;
  }
  return false;
}

std::string executablePath() {
#ifdef _WIN32
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
#else
  std::error_code ec;
  return fs::read_symlink("/proc/self/exe", ec).string();
#endif
}

std::string findDataFolder(const std::string& executablePath, bool& fromElsewhere) {
  fromElsewhere = false;
  if (holdsArt(".")) return ".";
  std::error_code ec;
  const fs::path exeDir = fs::weakly_canonical(fs::path(executablePath), ec).parent_path();
  for (const fs::path& candidate : {exeDir, exeDir / "data", exeDir.parent_path() / "share" / "gloamdelve"}) {
    if (holdsArt(candidate.string())) {
      fromElsewhere = true;
      return candidate.string();
    }
  }
  return ".";
}

bool checkDataOption(const std::string& dir, std::string& error) {
  std::error_code ec;
  const fs::file_status status = fs::status(dir, ec);
  if (fs::is_directory(status)) return true;
  if (ec && ec != std::errc::no_such_file_or_directory)
    error = "--data " + dir + ": " + ec.message();
  else
    error = "--data " + dir + (fs::exists(status) ? ": not a folder" : ": no such folder");
  return false;
}

std::string describeArtLoad(const assets::ArtLoadReport& report, const std::string& dir) {
  if (report.missing.empty()) return {};
  std::string line = "loaded " + std::to_string(report.loaded) + " of " + std::to_string(assets::CatalogueEntryCount) +
                     " pictures from " + dir + " (missing: ";
  const std::size_t shown = std::min<std::size_t>(report.missing.size(), 3);
  for (std::size_t i = 0; i < shown; ++i) line += (i ? ", " : "") + report.missing[i];
  return line + (report.missing.size() > shown ? ", ...)" : ")");
}

}  // namespace gloam::shell
