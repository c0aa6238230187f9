// Input scripts: a typo is reported at its line, never half-applied.
#include <gtest/gtest.h>

#include "platform/input_script.hpp"

namespace gloam::platform {
namespace {

TEST(InputScript, ReadsEventsCommentsAndSeed) {
  InputScript s;
  std::string error;
  ASSERT_TRUE(
      parseInputScript("seed 42\n# a comment\n0 down 117  # F6\n\n3 mouse 10 -2\n3 up 117\n9 close\n", "x", s, error))
      << error;
  EXPECT_EQ(*s.seed, 42u);
  ASSERT_EQ(s.events.size(), 4u);
  EXPECT_EQ(s.events[1].kind, ScriptEvent::Kind::Mouse);
  EXPECT_EQ(s.events[1].b, -2);
  EXPECT_EQ(s.events[3].kind, ScriptEvent::Kind::Close);
}

TEST(InputScript, BadLinesAreNamedByFileAndLine) {
  const std::pair<const char*, const char*> bad[] = {
      {"0 down 117\nx down 5\n", "f:2:"}, {"0 press 5\n", "f:1:"},  {"0 down 300\n", "f:1:"}, {"0 mouse 1\n", "f:1:"},
      {"5 down 1\n4 up 1\n", "f:2:"},     {"0 down 5 6\n", "f:1:"}, {"seed -3\n", "f:1:"},    {"0 close now\n", "f:1:"},
  };
  for (const auto& [text, where] : bad) {
    InputScript s;
    std::string error;
    EXPECT_FALSE(parseInputScript(text, "f", s, error)) << text;
    EXPECT_EQ(error.rfind(where, 0), 0u) << error;
  }
}

TEST(InputScript, UnreadableFileIsAnError) {
  InputScript s;
  std::string error;
  EXPECT_FALSE(loadInputScript("no/such/script.txt", s, error));
  EXPECT_NE(error.find("no/such/script.txt"), std::string::npos);
}

}  // namespace
}  // namespace gloam::platform
