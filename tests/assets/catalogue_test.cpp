// The art catalogue table: its loader groups and the paths it builds. Distinct slots and the
// groups covering the table are checked by the compiler; the 214 slots by the loader test.
#include "assets/catalogue.hpp"

#include <gtest/gtest.h>

#include "core/constants.hpp"

namespace gloam::assets {
namespace {

TEST(Catalogue, LoaderGroupsRunInLoadOrderAndCoverTheTable) {
  const auto all = catalogueEntries();
  std::size_t next = 0;
  const int firstSlots[ArtLoaderCount] = {1104, 801, 10, 111, 390, 0, 1000, 1200};
  const std::size_t sizes[ArtLoaderCount] = {1, 58, 27, 40, 10, 56, 1, 21};
  for (int i = 0; i < ArtLoaderCount; ++i) {
    const auto group = loaderEntries(static_cast<ArtLoader>(i));
    ASSERT_EQ(group.size(), sizes[i]) << "loader " << i;
    EXPECT_EQ(group.data(), all.data() + next);
    EXPECT_EQ(group.front().slot, firstSlots[i]);
    next += group.size();
  }
  EXPECT_EQ(next, all.size());
}

TEST(Catalogue, CubeLoaderSwitchesFromCubeToUnitFolder) {
  const auto cube = loaderEntries(ArtLoader::Cube);
  EXPECT_EQ(cube[6].directory, "bmp_cube");
  EXPECT_EQ(cube[6].fileName, "DSC3.bmp");
  EXPECT_EQ(cube[6].slot, 1206);
  EXPECT_EQ(cube[7].directory, "bmp_unit");
  EXPECT_EQ(cube[7].fileName, "unit_green_slime.bmp");
  EXPECT_EQ(cube[7].slot, 1210);
  EXPECT_EQ(cube.back().fileName, "unit_pleidian.bmp");
}

TEST(Catalogue, PathJoinsDataDirFolderAndFile) {
  const CatalogueEntry wall{"bmp_dungeon", "wall.bmp", 111};
  EXPECT_EQ(cataloguePath("data", wall), "data/bmp_dungeon/wall.bmp");
  EXPECT_EQ(cataloguePath("data/", wall), "data/bmp_dungeon/wall.bmp");
  EXPECT_EQ(cataloguePath("", wall), "./bmp_dungeon/wall.bmp");
}

}  // namespace
}  // namespace gloam::assets
