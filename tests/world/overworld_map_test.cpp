// readOverworldMap on real files in a scratch folder: full, short, long and missing files, a
// missing map folder and a directory in the file's place.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "world/cell_codes.hpp"
#include "world/overworld_map.hpp"
#include "world_test_support.hpp"

namespace gloam::world {
namespace {

namespace fs = std::filesystem;

class OverworldMapTest : public ::testing::Test {
 protected:
  fs::path dataDir;
  DungeonGrid grid = testing::freshGrid();

  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dataDir = fs::temp_directory_path() / ("gloam_overworld_" + std::to_string(::getpid()) + "_" + info->name());
    fs::remove_all(dataDir);
    fs::create_directories(dataDir / "map");
    // Level 0 as start-up leaves it, plus a marker on level 1 that no read may reach.
    grid.setCell(1, 0, 0, cell::EnvBlock);
    grid.setCell(3, 0, 0, cell::EnvBlock);
    grid.setCell(0, 0, 1, cell::Wall);
  }
  void TearDown() override { fs::remove_all(dataDir); }

  void writeMap(int number, std::size_t size) {
    std::vector<char> bytes(size);
    for (std::size_t k = 0; k < size; ++k) bytes[k] = static_cast<char>(k % 256 == 0 && k >= 65536 ? 99 : k % 256);
    std::ofstream(dataDir / "map" / (std::to_string(number) + ".overworld"), std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(size));
  }
};

TEST_F(OverworldMapTest, FullFilePutsCodeXIntoEveryCellOfColumnX) {
  writeMap(1, LevelSize);
  EXPECT_EQ(readOverworldMap(grid, dataDir.string(), 1), OverworldPauseMs);
  for (int y = 0; y < GridSide; ++y)
    for (int x = 0; x < GridSide; ++x) ASSERT_EQ(grid.cellAt(x, y, 0), x) << x << "," << y;
  EXPECT_EQ(grid.cellAt(0, 0, 1), cell::Wall);
}

TEST_F(OverworldMapTest, ShortFileFillsOnlyItsBytes) {
  writeMap(2, 256);
  grid.setCell(7, 1, 0, cell::LandRoad);
  EXPECT_EQ(readOverworldMap(grid, dataDir.string(), 2), OverworldPauseMs);
  EXPECT_EQ(grid.cellAt(255, 0, 0), 255);
  EXPECT_EQ(grid.cellAt(1, 0, 0), 1);
  EXPECT_EQ(grid.cellAt(7, 1, 0), cell::LandRoad);
  // Row 0 now holds 0..255 (so cell (0, 0) reads Empty); every other row is as it was.
  EXPECT_EQ(testing::countOnLevel(grid, 0, cell::Empty), 1 + (LevelSize - GridSide - 1));
}

TEST_F(OverworldMapTest, LongFileReadsOneLevelOnly) {
  writeMap(3, LevelSize + 300);
  EXPECT_EQ(readOverworldMap(grid, dataDir.string(), 3), OverworldPauseMs);
  EXPECT_EQ(grid.cellAt(255, 255, 0), 255);
  EXPECT_EQ(grid.cellAt(0, 0, 1), cell::Wall);
  EXPECT_EQ(testing::countOnLevel(grid, 1, 99), 0);
}

TEST_F(OverworldMapTest, MissingFileIsCreatedEmptyAndStillPauses) {
  EXPECT_EQ(readOverworldMap(grid, dataDir.string(), 1), OverworldPauseMs);
  const fs::path created = dataDir / "map" / "1.overworld";
  ASSERT_TRUE(fs::is_regular_file(created));
  EXPECT_EQ(fs::file_size(created), 0u);
  EXPECT_EQ(testing::countOnLevel(grid, 0, cell::EnvBlock), 2);
  EXPECT_EQ(testing::countOnLevel(grid, 0, cell::Empty), LevelSize - 2);
}

// A directory in the file's place fails to open like a missing map folder: no change, no pause.
TEST_F(OverworldMapTest, FailedOpenChangesNothingAndDoesNotPause) {
  fs::create_directories(dataDir / "map" / "4.overworld");
  EXPECT_EQ(readOverworldMap(grid, dataDir.string(), 4), 0);
  fs::remove_all(dataDir / "map");
  EXPECT_EQ(readOverworldMap(grid, dataDir.string(), 1), 0);
  EXPECT_FALSE(fs::exists(dataDir / "map"));
  EXPECT_EQ(testing::countOnLevel(grid, 0, cell::EnvBlock), 2);
  EXPECT_EQ(testing::countOnLevel(grid, 0, cell::Empty), LevelSize - 2);
}

TEST(OverworldMapPathTest, FollowsTheNumberedNameUnderTheDataFolder) {
  EXPECT_EQ(overworldMapPath("data", 1), "data/map/1.overworld");
  EXPECT_EQ(overworldMapPath("", 12), "map/12.overworld");
  EXPECT_EQ(overworldMapPath("/x/", -3), "/x/map/-3.overworld");
}

}  // namespace
}  // namespace gloam::world
