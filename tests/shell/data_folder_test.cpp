// The data folder and the overworld map in it: the --data check, the art report, the XDG folder
// rules, and the per-user copy of a map the player cannot write (made once, never half made).
#include "shell/data_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "shell/overworld_location.hpp"
#include "support/scratch_dir.hpp"

namespace gloam::shell {
namespace {

namespace fs = std::filesystem;
using gloam::testing::readFile;

// A scratch folder: an installed data folder with an art folder and map 1, a file that is no
// folder, and a home for the per-user folder.
class DataFolders : public ::testing::Test {
 protected:
  const gloam::testing::ScratchDir scratch{"gloam-data-folders"};
  const fs::path& root = scratch.path();
  fs::path installed = root / "share" / "MAP" / "1.OVERWORLD";
  fs::path user = root / "home" / "gloamdelve";
  void SetUp() override {
    fs::create_directories(installed.parent_path());
    fs::create_directories(root / "share" / "BMP_LAND");
    std::ofstream(installed, std::ios::binary) << "installed map";
    std::ofstream(root / "file.txt") << "x";
  }
};
using DataFolder = DataFolders;
using UserMapCopy = DataFolders;

TEST_F(DataFolder, DataOptionAcceptsOnlyAnExistingFolder) {
  struct Case {
    fs::path dir;
    bool ok;
    const char* says;
  } cases[] = {
      {root / "share", true, ""},
      {root / "share" / "BMP_LAND", true, ""},
      {root / "absent", false, ": no such folder"},
      {root / "file.txt", false, ": not a folder"},
#ifdef _WIN32
      {root / "file.txt" / "below", false, ": no such folder"},  // Windows does not tell the two apart
#else
      {root / "file.txt" / "below", false, ": Not a directory"},
#endif
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_EQ(checkDataOption(c.dir.string(), error), c.ok) << c.dir;
    EXPECT_EQ(error, c.ok ? "" : "--data " + c.dir.string() + c.says);
  }
  EXPECT_TRUE(holdsArt((root / "share").string()));
  EXPECT_FALSE(holdsArt((root / "share" / "BMP_LAND").string()));
}

TEST_F(DataFolder, ArtReportNamesTheFirstThreeMissingPictures) {
  assets::ArtLoadReport report;
  report.loaded = 214;
  EXPECT_EQ(describeArtLoad(report, "d"), "");
  report = {213, {"bmp_cube/wall.bmp"}};
  EXPECT_EQ(describeArtLoad(report, "d"), "loaded 213 of 214 pictures from d (missing: bmp_cube/wall.bmp)");
  report = {210, {"a/1", "a/2", "a/3", "a/4"}};
  EXPECT_EQ(describeArtLoad(report, "/x"), "loaded 210 of 214 pictures from /x (missing: a/1, a/2, a/3, ...)");
}

TEST(OverworldLocation, UserFolderFollowsXdgDataHomeThenHome) {
  struct Case {
    const char* xdg;
    const char* home;
    const char* expected;
  } cases[] = {
      {"/xdg", "/home/p", "/xdg/gloamdelve"},
      {nullptr, "/home/p", "/home/p/.local/share/gloamdelve"},
      {"", "/home/p", "/home/p/.local/share/gloamdelve"},
      {"relative", "/home/p", "/home/p/.local/share/gloamdelve"},  // a relative XDG path is ignored
      {nullptr, "relative", ""},
      {nullptr, nullptr, ""},
  };
  for (const Case& c : cases)  // as paths: Windows joins with its own separator
    EXPECT_EQ(fs::path(userDataFolder(c.xdg, c.home)), fs::path(c.expected)) << (c.xdg ? c.xdg : "(unset)");
#ifdef _WIN32
  EXPECT_EQ(fs::path(userDataFolderOnWindows("C:\\Users\\p\\AppData\\Local")),
            fs::path("C:\\Users\\p\\AppData\\Local\\GLOAMDELVE"));
  EXPECT_EQ(userDataFolderOnWindows("relative"), "");
  EXPECT_EQ(userDataFolderOnWindows(nullptr), "");
#endif
}

TEST_F(UserMapCopy, FirstUseCopiesTheInstalledMapAndLaterUsesKeepThePlayersCopy) {
  const fs::path copy = user / "map" / "1.overworld";
  OverworldLocation where = locateUserOverworldMap(installed.string(), 1, user.string());
  EXPECT_EQ(where.path, copy.string());
  EXPECT_EQ(where.problem, "");
  EXPECT_EQ(readFile(copy), "installed map");
  EXPECT_FALSE(fs::exists(copy.string() + ".part"));
  std::ofstream(copy, std::ios::binary) << "walked on";
  where = locateUserOverworldMap(installed.string(), 1, user.string());
  EXPECT_EQ(where.path, copy.string());
  EXPECT_EQ(readFile(copy), "walked on");
}

TEST_F(UserMapCopy, NoInstalledMapLeavesTheCopyToBeCreatedAndABlockedFolderIsReported) {
  fs::remove(installed);
  OverworldLocation where = locateUserOverworldMap(installed.string(), 1, user.string());
  EXPECT_EQ(where.path, (user / "map" / "1.overworld").string());
  EXPECT_FALSE(fs::exists(where.path));
  EXPECT_TRUE(fs::is_directory(user / "map"));

  where = locateUserOverworldMap(installed.string(), 1, (root / "file.txt" / "gloamdelve").string());
  EXPECT_EQ(where.path, "");
  EXPECT_EQ(where.problem,
            "cannot make the folder " + (root / "file.txt" / "gloamdelve" / "map").string() + ": Not a directory");
}

TEST_F(UserMapCopy, AWritableOrAbsentDataFolderServesItsOwnMapAsItAlwaysHas) {
  const assets::DataFolderIndex data = assets::indexDataFolder((root / "share").string());
  const std::string own = installed.string();
  EXPECT_EQ(fs::path(locateOverworldMap(data, 1, user.string()).path), fs::path(own));
  EXPECT_EQ(fs::path(locateOverworldMap(data, 1, "").path), fs::path(own));
  const assets::DataFolderIndex absent = assets::indexDataFolder((root / "absent").string());
  EXPECT_EQ(fs::path(locateOverworldMap(absent, 1, user.string()).path), root / "absent" / "map" / "1.overworld");
  EXPECT_FALSE(fs::exists(user));
}

}  // namespace
}  // namespace gloam::shell
