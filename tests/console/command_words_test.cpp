// The word split and the number reader at their edges: empty lines, the word-buffer limit,
// over-long words, and numbers that do not fit an int.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "console/command_words.hpp"

namespace gloam::console {
namespace {

std::vector<std::string> split(const std::string& line, int* count = nullptr) {
  std::vector<CommandToken> tokens(CommandTokenCount);
  const int n = splitCommandWords(line.c_str(), tokens.data(), CommandTokenCount);
  if (count) *count = n;
  std::vector<std::string> out;
  for (int i = 0; i < n && i < CommandTokenCount; ++i) out.emplace_back(tokens[i].data());
  return out;
}

TEST(SplitCommandWords, SeparatorRunsAndEndsMakeNoEmptyWords) {
  EXPECT_TRUE(split("").empty());
  EXPECT_TRUE(split(" -,\t\n ").empty());
  EXPECT_EQ(split(",a--b \t c\n"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(split("x\rx\x80\xff"), (std::vector<std::string>{"x\rx\x80\xff"}));
}

TEST(SplitCommandWords, WordsBeyondTheBuffersAreCountedNotStoredAndLongOnesAreCut) {
  int count = 0;
  std::string line;
  for (int i = 0; i < 25; ++i) line += std::to_string(i) + " ";
  const std::vector<std::string> words = split(line, &count);
  EXPECT_EQ(count, 25);
  ASSERT_EQ(words.size(), 20u);
  EXPECT_EQ(words.back(), "19");
  EXPECT_EQ(split(std::string(400, 'w') + " tail"),
            (std::vector<std::string>{std::string(CommandTokenSize - 1, 'w'), "tail"}));
}

TEST(ParseLeadingInt, ReadsLikeAtoiAndSaturates) {
  EXPECT_EQ(parseLeadingInt("12abc"), 12);
  EXPECT_EQ(parseLeadingInt("abc"), 0);
  EXPECT_EQ(parseLeadingInt(""), 0);
  EXPECT_EQ(parseLeadingInt("+7"), 7);
  EXPECT_EQ(parseLeadingInt("\v\r 42"), 42);
  EXPECT_EQ(parseLeadingInt("-15"), -15);
  EXPECT_EQ(parseLeadingInt("2147483647"), INT_MAX);
  EXPECT_EQ(parseLeadingInt("2147483648"), INT_MAX);
  EXPECT_EQ(parseLeadingInt("-2147483648"), INT_MIN);
  EXPECT_EQ(parseLeadingInt("-2147483649"), INT_MIN);
  EXPECT_EQ(parseLeadingInt("000000000000000000009"), 9);
}

}  // namespace
}  // namespace gloam::console
