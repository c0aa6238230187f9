// Where the overworld map is opened: the XDG folder rules, and the per-user copy of a map the
// player cannot write (made once, never overwritten, never half made).
#include "shell/overworld_location.hpp"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace gloam::shell {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
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
  for (const Case& c : cases) EXPECT_EQ(userDataFolder(c.xdg, c.home), c.expected) << (c.xdg ? c.xdg : "(unset)");
}

class UserMapCopy : public ::testing::Test {
 protected:
  fs::path root = fs::temp_directory_path() / ("gloam-user-map-" + std::to_string(::getpid()));
  fs::path installed = root / "share" / "MAP" / "1.OVERWORLD";
  fs::path user = root / "home" / "gloamdelve";
  void SetUp() override {
    fs::remove_all(root);
    fs::create_directories(installed.parent_path());
    std::ofstream(installed, std::ios::binary) << "installed map";
  }
  void TearDown() override { fs::remove_all(root); }
};

TEST_F(UserMapCopy, FirstUseCopiesTheInstalledMapAndLaterUsesKeepThePlayersCopy) {
  const fs::path copy = user / "map" / "1.overworld";
  OverworldLocation where = locateUserOverworldMap(installed.string(), 1, user.string());
  EXPECT_EQ(where.path, copy.string());
  EXPECT_EQ(where.problem, "");
  EXPECT_EQ(contents(copy), "installed map");
  EXPECT_FALSE(fs::exists(copy.string() + ".part"));
  std::ofstream(copy, std::ios::binary) << "walked on";
  where = locateUserOverworldMap(installed.string(), 1, user.string());
  EXPECT_EQ(where.path, copy.string());
  EXPECT_EQ(contents(copy), "walked on");
}

TEST_F(UserMapCopy, NoInstalledMapLeavesTheCopyToBeCreatedAndABlockedFolderIsReported) {
  fs::remove(installed);
  OverworldLocation where = locateUserOverworldMap(installed.string(), 1, user.string());
  EXPECT_EQ(where.path, (user / "map" / "1.overworld").string());
  EXPECT_FALSE(fs::exists(where.path));
  EXPECT_TRUE(fs::is_directory(user / "map"));

  std::ofstream(root / "blocker") << "a file where a folder should be";
  where = locateUserOverworldMap(installed.string(), 1, (root / "blocker" / "gloamdelve").string());
  EXPECT_EQ(where.path, "");
  EXPECT_EQ(where.problem,
            "cannot make the folder " + (root / "blocker/gloamdelve/map").string() + ": Not a directory");
}

TEST_F(UserMapCopy, AWritableOrAbsentDataFolderServesItsOwnMapAsItAlwaysHas) {
  const assets::DataFolderIndex data = assets::indexDataFolder((root / "share").string());
  const std::string own = installed.string();
  EXPECT_EQ(locateOverworldMap(data, 1, user.string()).path, own);
  EXPECT_EQ(locateOverworldMap(data, 1, "").path, own);
  const assets::DataFolderIndex absent = assets::indexDataFolder((root / "absent").string());
  EXPECT_EQ(locateOverworldMap(absent, 1, user.string()).path, (root / "absent/map/1.overworld").string());
  EXPECT_FALSE(fs::exists(user));
}

}  // namespace
}  // namespace gloam::shell
