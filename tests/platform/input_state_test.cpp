// Latching: a tap shorter than the time between two reads is seen once; a held key on every read.
#include <gtest/gtest.h>

#include "platform/input_state.hpp"

namespace gloam::platform {
namespace {

TEST(InputState, ATapIsSeenByTheNextReadOnlyAHeldKeyByEveryRead) {
  InputState in;
  in.change(27, true);
  in.change(27, false);
  EXPECT_TRUE(in.read(27));
  EXPECT_FALSE(in.read(27));
  EXPECT_FALSE(in.read(28));  // a tap belongs to its own key
  in.change(65, true);        // a held key: down on every read until released
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(in.read(65));
  in.change(65, false);
  EXPECT_FALSE(in.read(65));  // its press was read while held
}

TEST(InputState, PressesQueueInTheOrderTypedRepeatsIncluded) {
  InputState in;
  in.change(72, true);
  in.post(Event{Event::Kind::Activate});
  in.change(72, true);  // an auto-repeat
  in.change(72, false);
  in.change(73, true);
  const Event::Kind P = Event::Kind::KeyPress;
  const std::pair<Event::Kind, int> want[] = {{P, 72}, {Event::Kind::Activate, 0}, {P, 72}, {P, 73}};
  for (const auto& [kind, key] : want) {
    const std::optional<Event> e = in.next();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->kind, kind);
    if (kind == P) {
      EXPECT_EQ(e->key, key);
    }
  }
  EXPECT_FALSE(in.next());
}

TEST(InputState, CodesOutsideTheKeyRangeAreIgnored) {
  InputState in;
  in.change(256, true);
  in.change(-1, true);
  EXPECT_FALSE(in.read(256));
  EXPECT_FALSE(in.read(-1));
  EXPECT_FALSE(in.next());
}

}  // namespace
}  // namespace gloam::platform
