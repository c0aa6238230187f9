// The data folder index: two levels of directory listing taken once, then lookups by folded name.
#include "assets/data_folder_index.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace gloam::assets {
namespace {

namespace fs = std::filesystem;

std::string joinPath(std::string_view left, std::string_view right) {
  std::string path(left.empty() ? "." : left);
  if (path.back() != '/') path += '/';
  return path.append(right);
}

// Adds `name` under its folding; entries are kept in byte order so that ties resolve the same way
// on every machine, whatever order the directory lists them in.
void addName(DataFolderIndex::Names& names, const std::string& name) {
  std::vector<std::string>& spellings = names[foldCase(name)];
  spellings.insert(std::upper_bound(spellings.begin(), spellings.end(), name), name);
}

// The spellings of `wanted` on disk, exact case first.
std::vector<std::string> spellingsOf(const DataFolderIndex::Names& names, std::string_view wanted) {
  const auto found = names.find(foldCase(wanted));
  if (found == names.end()) return {};
  std::vector<std::string> spellings = found->second;
  const auto exact = std::find(spellings.begin(), spellings.end(), wanted);
  if (exact != spellings.end()) std::rotate(spellings.begin(), exact, exact + 1);
  return spellings;
}

DataFolderIndex::Names listFolder(const fs::path& folder) {
  DataFolderIndex::Names names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    addName(names, it->path().filename().string());
  return names;
}

}  // namespace

std::string foldCase(std::string_view name) {
  std::string folded(name);
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

DataFolderIndex indexDataFolder(const std::string& root) {
  DataFolderIndex index;
  index.root = root.empty() ? "." : root;
  std::error_code ec;
  for (fs::directory_iterator it(index.root, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_directory(typeError)) continue;
    const std::string name = it->path().filename().string();
    addName(index.folders, name);
    index.filesIn[name] = listFolder(it->path());
  }
  return index;
}

std::string resolveDataFolder(const DataFolderIndex& index, std::string_view folder) {
  const std::vector<std::string> spellings = spellingsOf(index.folders, folder);
  return joinPath(index.root, spellings.empty() ? folder : std::string_view(spellings.front()));
}

std::string resolveDataPath(const DataFolderIndex& index, std::string_view folder, std::string_view file) {
  for (const std::string& onDisk : spellingsOf(index.folders, folder)) {
    const auto listing = index.filesIn.find(onDisk);
    if (listing == index.filesIn.end()) continue;
    const std::vector<std::string> files = spellingsOf(listing->second, file);
    if (!files.empty()) return joinPath(joinPath(index.root, onDisk), files.front());
  }
  return joinPath(resolveDataFolder(index, folder), file);
}

}  // namespace gloam::assets
