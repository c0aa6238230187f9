// Writing a run's files, where the binary's output check cannot see: a link is kept and its file
// replaced with its permissions, and the start-up check's answers for read-only files and folders.
#include "shell/output_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/scratch_dir.hpp"

namespace gloam::shell {
namespace {

namespace fs = std::filesystem;

class OutputFile : public ::testing::Test {
 protected:
  const gloam::testing::ScratchDir scratch{"gloam-output-file"};
  const fs::path& root = scratch.path();
  // Write permission back before the folder goes: some systems refuse to remove a read-only file.
  void TearDown() override {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(root, ec))
      fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ec);
  }
};

TEST_F(OutputFile, ReplacesTheFileALinkNamesKeepingTheLinkAndThePermissions) {
  const fs::path file = root / "state.json";
  const fs::path link = root / "link.json";
  std::ofstream(file) << "older";
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  std::error_code ec;
  fs::create_symlink(file, link, ec);
  if (ec) GTEST_SKIP() << "this system lets this user make no symbolic link: " << ec.message();
  std::string reason;
  ASSERT_TRUE(writeWholeFile(link.string(), "newer", reason)) << reason;
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(gloam::testing::readFile(file), "newer");
  EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 2);
}

TEST_F(OutputFile, StartUpCheckRefusesFoldersAndReadOnlyFilesAndPassesDevices) {
  const fs::path file = root / "kept.png";
  std::ofstream(file) << "x";
  fs::permissions(file, fs::perms::owner_read);
  EXPECT_EQ(outputPathProblem(file.string()), "it is read-only");
  EXPECT_EQ(outputPathProblem(root.string()), "it is a folder");
  EXPECT_EQ(outputPathProblem((root / "new.png").string()), "");
#ifndef _WIN32
  EXPECT_EQ(outputPathProblem("/dev/full"), "");
#endif
  EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 1) << "the probe is removed";
}

}  // namespace
}  // namespace gloam::shell
