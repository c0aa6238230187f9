// Input on its way into the game: scripts (a typo is reported at its line, never half-applied),
// latching (a tap shorter than the time between two reads is seen once, a held key on every
// read), keys (letters follow the layout, everything else keeps its place: the mapping that makes
// the key labelled Z walk back on an AZERTY keyboard) and the mouse mapping every click passes
// through, at its edges.
#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "platform/input_script.hpp"
#include "platform/input_state.hpp"
#include "platform/keys.hpp"
#include "platform/pixel_mapping.hpp"
#include "platform/sdl/key_map.hpp"

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

TEST(InputScript, BadLinesAreNamedByFileAndLineAndAnUnreadableFileByItsName) {
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
  InputScript s;
  std::string error;
  EXPECT_FALSE(loadInputScript("no/such/script.txt", s, error));
  EXPECT_NE(error.find("no/such/script.txt"), std::string::npos);
}

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

TEST(InputState, PressesQueueInTheOrderTypedRepeatsIncludedCodesOutsideTheKeyRangeNot) {
  InputState in;
  in.change(256, true);
  in.change(-1, true);
  EXPECT_FALSE(in.read(256));
  EXPECT_FALSE(in.read(-1));
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

TEST(KeyMap, LettersFollowTheLayoutOtherKeysTheirPlace) {
  const struct {
    SDL_Scancode scancode;  // where the key sits (named after QWERTY)
    SDL_Keycode keycode;    // what the layout puts on it
    int want;
  } cases[] = {
      {SDL_SCANCODE_A, SDLK_a, vk::KeyA},              // QWERTY
      {SDL_SCANCODE_Q, SDLK_a, vk::KeyA},              // AZERTY: A where QWERTY has Q
      {SDL_SCANCODE_W, SDLK_z, vk::KeyZ},              // AZERTY: Z where QWERTY has W
      {SDL_SCANCODE_SEMICOLON, SDLK_m, vk::KeyM},      // AZERTY: M beside L
      {SDL_SCANCODE_M, SDLK_COMMA, 0},                 // AZERTY: a comma is no letter
      {SDL_SCANCODE_Z, SDLK_y, vk::letter('Y')},       // QWERTZ
      {SDL_SCANCODE_F, 0x0430, vk::letter('F')},       // Cyrillic: the letter key keeps its place
      {SDL_SCANCODE_1, SDLK_AMPERSAND, vk::digit(1)},  // AZERTY digits stay in the digit row
      {SDL_SCANCODE_0, SDLK_0, vk::digit(0)},
      {SDL_SCANCODE_F12, SDLK_F12, vk::F12},
      {SDL_SCANCODE_F11, SDLK_F11, vk::F11},
      {SDL_SCANCODE_RALT, SDLK_RALT, vk::Alt},
      {SDL_SCANCODE_KP_PLUS, SDLK_KP_PLUS, vk::NumpadAdd},
      {SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, vk::Enter},
      {SDL_SCANCODE_CAPSLOCK, SDLK_CAPSLOCK, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(virtualKeyFor(c.scancode, c.keycode), c.want) << SDL_GetScancodeName(c.scancode);
}

TEST(KeyMap, MouseButtonsAreTheirVirtualKeys) {
  EXPECT_EQ((std::array{virtualKeyForButton(SDL_BUTTON_LEFT), virtualKeyForButton(SDL_BUTTON_RIGHT),
                        virtualKeyForButton(SDL_BUTTON_MIDDLE), virtualKeyForButton(SDL_BUTTON_X1)}),
            (std::array{vk::LeftButton, vk::RightButton, vk::MiddleButton, 0}));
}

TEST(MouseMapping, CornersMapToTheEdgePixelsAndOutsideClampsToThem) {
  const Rect window{100, 50, 100 + 640, 50 + 480};
  const std::array<int, 2> cases[][2] = {
      {{0, 0}, {0, 479}},    {{0, 2000}, {0, 0}},  {{5000, -5000}, {639, 479}},  // outside: left, below, right, above
      {{100, 50}, {0, 479}}, {{100, 529}, {0, 1}}, {{100, 530}, {0, 0}},         // the top-left pixel: 480 unclamped
  };
  for (const auto& [at, want] : cases) {
    const Point cursor{float(at[0]), float(at[1])};
    EXPECT_EQ((std::array{pixelXFrom(cursor, window, 640), pixelYFrom(cursor, window, 480)}), want)
        << at[0] << "," << at[1];
  }
  const Rect big{0, 0, 960, 720};  // zoom changes the window size, not the mapping
  EXPECT_EQ((std::array{pixelXFrom({959, 0}, big, 320), pixelXFrom({3, 0}, big, 320), pixelXFrom({2, 0}, big, 320)}),
            (std::array{319, 1, 0}));
}

TEST(MouseMapping, CursorForPixelRoundTripsEveryPixelAtEveryZoom) {
  for (int zoom = 1; zoom <= 4; ++zoom) {
    for (const auto& [w, h] : {std::pair{320, 240}, std::pair{640, 480}}) {
      const Rect r{7, 9, 7 + w * zoom, 9 + h * zoom};
      for (int x = 0; x < w; ++x) ASSERT_EQ(pixelXFrom(cursorForPixel(x, 0, r, w, h), r, w), x) << zoom;
      for (int y = 0; y < h; ++y) ASSERT_EQ(pixelYFrom(cursorForPixel(0, y, r, w, h), r, h), y) << zoom;
    }
  }
}

}  // namespace
}  // namespace gloam::platform
