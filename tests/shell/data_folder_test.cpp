// The --data check, the art-folder test in any case, and the report of pictures that did not load.
#include "shell/data_folder.hpp"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>

namespace gloam::shell {
namespace {

namespace fs = std::filesystem;

struct Scratch {
  fs::path root = fs::temp_directory_path() / ("gloam-data-folder-" + std::to_string(::getpid()));
  Scratch() {
    fs::remove_all(root);
    fs::create_directories(root / "BMP_LAND");
    std::ofstream(root / "file.txt") << "x";
  }
  ~Scratch() { fs::remove_all(root); }
};

TEST(DataFolder, DataOptionAcceptsOnlyAnExistingFolder) {
  Scratch s;
  struct Case {
    fs::path dir;
    bool ok;
    const char* says;
  } cases[] = {
      {s.root, true, ""},
      {s.root / "BMP_LAND", true, ""},
      {s.root / "absent", false, ": no such folder"},
      {s.root / "file.txt", false, ": not a folder"},
      {s.root / "file.txt" / "below", false, ": Not a directory"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_EQ(checkDataOption(c.dir.string(), error), c.ok) << c.dir;
    EXPECT_EQ(error, c.ok ? "" : "--data " + c.dir.string() + c.says);
  }
  EXPECT_TRUE(holdsArt(s.root.string()));
  EXPECT_FALSE(holdsArt((s.root / "BMP_LAND").string()));
}

TEST(DataFolder, ArtReportNamesTheFirstThreeMissingPictures) {
  assets::ArtLoadReport report;
  report.loaded = 214;
  EXPECT_EQ(describeArtLoad(report, "d"), "");
  report = {213, {"bmp_cube/wall.bmp"}};
  EXPECT_EQ(describeArtLoad(report, "d"), "loaded 213 of 214 pictures from d (missing: bmp_cube/wall.bmp)");
  report = {210, {"a/1", "a/2", "a/3", "a/4"}};
  EXPECT_EQ(describeArtLoad(report, "/x"), "loaded 210 of 214 pictures from /x (missing: a/1, a/2, a/3, ...)");
}

}  // namespace
}  // namespace gloam::shell
