// The command line refuses anything it cannot use completely, naming what was wrong.
#include <gtest/gtest.h>

#include <vector>

#include "shell/command_line.hpp"

namespace gloam::shell {
namespace {

ParseOutcome parse(std::vector<const char*> args, CommandLineOptions& o, std::string& error) {
  args.insert(args.begin(), "gloamdelve");
  return parseCommandLine(static_cast<int>(args.size()), args.data(), o, error);
}

TEST(CommandLine, ReadsEveryOptionAndDefaultsTheRest) {
  CommandLineOptions o;
  std::string error;
  EXPECT_EQ(parse({}, o, error), ParseOutcome::Run);
  EXPECT_FALSE(o.seed || o.headless);
  EXPECT_EQ(o.frames, -1);
  ASSERT_EQ(parse({"--seed", "4294967295", "--data", "d", "--headless", "--frames", "0", "--input", "i", "--record",
                   "r", "--screenshot", "s.png", "--dump-world", "w", "--state", "j"},
                  o, error),
            ParseOutcome::Run)
      << error;
  EXPECT_EQ(*o.seed, 4294967295u);
  EXPECT_EQ(*o.dataDir, "d");
  EXPECT_TRUE(o.headless);
  EXPECT_EQ(o.frames, 0);
  EXPECT_EQ(o.screenshotPath, "s.png");
  EXPECT_EQ(o.statePath, "j");
}

TEST(CommandLine, BadValuesAndUnknownOptionsAreErrorsThatNameThem) {
  const std::vector<std::vector<const char*>> bad = {
      {"--seed", "-1"}, {"--seed", "4294967296"}, {"--frames", "12abc"}, {"--frames", ""}, {"--frames"},
      {"--bogus"},      {"--state", ""},
  };
  for (const auto& args : bad) {
    CommandLineOptions o;
    std::string error;
    EXPECT_EQ(parse(args, o, error), ParseOutcome::Error) << args[0];
    EXPECT_NE(error.find(args[0]), std::string::npos) << error;
  }
}

TEST(CommandLine, HelpAndVersionWinWhereverTheyStand) {
  CommandLineOptions o;
  std::string error;
  EXPECT_EQ(parse({"--seed", "1", "--help"}, o, error), ParseOutcome::Help);
  EXPECT_EQ(parse({"--version"}, o, error), ParseOutcome::Version);
  EXPECT_NE(usageText().find("--dump-world"), std::string::npos);
}

}  // namespace
}  // namespace gloam::shell
