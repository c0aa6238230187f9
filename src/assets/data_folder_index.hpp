// Names in a data folder as players keep it: "BMP_DUNGEON/WALL.BMP" copied from another disk serves
// "bmp_dungeon/wall.bmp". The folder is listed once (its entries and those of each folder in it);
// every lookup after that is answered from memory.
#pragma once
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace gloam::assets {

struct DataFolderIndex {
  std::string root = ".";
  // Folded (lower-case) name -> names on disk with that folding, the exact spelling tried first
  // by lookups and the rest in byte order.
  using Names = std::map<std::string, std::vector<std::string>, std::less<>>;
  Names folders;                                      // folders directly in root
  std::map<std::string, Names, std::less<>> filesIn;  // folder name on disk -> entries in it
};

// Lists `root` and each folder in it. An unreadable or missing root gives an empty index, whose
// lookups return the paths as asked.
DataFolderIndex indexDataFolder(const std::string& root);

// "<root>/<folder>" with the folder named as on disk; an exact-case match wins, then the first
// case-insensitive one in byte order; the name as asked when there is none.
std::string resolveDataFolder(const DataFolderIndex& index, std::string_view folder);

// "<root>/<folder>/<file>" as on disk: the first folder (in the order above) that holds the file
// under some casing, with the file's exact-case name preferred. When no folder holds it, the file
// name as asked inside the folder resolveDataFolder picks.
std::string resolveDataPath(const DataFolderIndex& index, std::string_view folder, std::string_view file);

// ASCII lower case; other bytes (UTF-8 included) are kept.
std::string foldCase(std::string_view name);

}  // namespace gloam::assets
