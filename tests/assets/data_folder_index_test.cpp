// Case-insensitive lookups in a scratch data folder: which spelling wins, what an absent name
// resolves to, that the index is a snapshot taken once, and lookups under a root that is not there.
#include "assets/data_folder_index.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "bmp_test_files.hpp"

namespace gloam::assets {
namespace {

using testing::ScratchDir;

TEST(DataFolderIndex, ResolvesFolderAndFileInAnyCaseWithExactCasePreferred) {
  ScratchDir dir("data-index");
  dir.write("probe/case", {1});
  if (std::filesystem::exists(dir.path() / "PROBE" / "CASE"))
    GTEST_SKIP() << "this file system folds letter case: a folder cannot hold names that differ only in case";
  for (const char* f : {"BMP_LAND/WATER.BMP", "bmp_land/road.bmp", "Bmp_Land/road.bmp", "Bmp_Land/Plain.bmp",
                        "bmp_unit/mage.bmp", "bmp_unit/MAGE.BMP", "bmp_unit/Mage.bmp", "MAP/1.OVERWORLD", "Kart/é.bmp"})
    dir.write(f, {1});
  const DataFolderIndex index = indexDataFolder(dir.path().string());
  dir.write("bmp_land/water.bmp", {1});  // appears after the listing: not seen
  const std::tuple<const char*, const char*, const char*> table[] = {
      // folder, file, found path
      {"bmp_land", "water.bmp", "BMP_LAND/WATER.BMP"},  // only folder of that name holding it when listed
      {"bmp_land", "road.bmp", "bmp_land/road.bmp"},    // exact folder and file
      {"bmp_land", "plain.bmp", "Bmp_Land/Plain.bmp"},  // exact folder lacks it: the next folder
      {"BMP_LAND", "ROAD.BMP", "Bmp_Land/road.bmp"},    // exact folder lacks it: next in byte order
      {"bmp_land", "hills.bmp", "bmp_land/hills.bmp"},  // in no folder: the asked name, exact folder
      {"bmp_unit", "mage.bmp", "bmp_unit/mage.bmp"},    // exact file among three spellings
      {"bmp_unit", "MaGe.bmp", "bmp_unit/MAGE.BMP"},    // no exact one: the first in byte order
      {"map", "1.overworld", "MAP/1.OVERWORLD"},
      {"map", "2.overworld", "MAP/2.overworld"},  // to be created in the folder on disk
      {"kart", "é.bmp", "Kart/é.bmp"},            // only ASCII letters fold
      {"kart", "É.bmp", "Kart/É.bmp"},
      {"bmp_cube", "wall.bmp", "bmp_cube/wall.bmp"},  // no such folder
  };
  for (const auto& [folder, file, expected] : table)
    EXPECT_EQ(resolveDataPath(index, folder, file), dir.path().string() + "/" + expected) << folder << "/" << file;
  EXPECT_EQ(resolveDataFolder(index, "bmp_land"), dir.path().string() + "/bmp_land");
  EXPECT_EQ(resolveDataFolder(index, "Map"), dir.path().string() + "/MAP");
}

TEST(DataFolderIndex, AMissingRootResolvesNamesAsAsked) {
  const DataFolderIndex none = indexDataFolder("no-such-data-folder");
  EXPECT_EQ(resolveDataPath(none, "bmp_item", "sword.bmp"), "no-such-data-folder/bmp_item/sword.bmp");
  EXPECT_EQ(resolveDataPath(indexDataFolder(""), "map", "1.overworld"), "./map/1.overworld");
}

}  // namespace
}  // namespace gloam::assets
