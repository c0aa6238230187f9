// Input on its way into the game (scripts, latching, input held back until a pass begins) and the
// mapping of a picture into a window and of the mouse back onto the picture.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <utility>

#ifdef __linux__
#include <sys/resource.h>

#include <csignal>
#endif

#include "platform/input_recorder.hpp"
#include "platform/input_script.hpp"
#include "platform/input_state.hpp"
#include "platform/keys.hpp"
#include "platform/pending_input.hpp"
#include "platform/pixel_mapping.hpp"
#include "platform/scripted_run.hpp"
#include "support/scratch_dir.hpp"

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

TEST(InputState, ATapIsSeenByTheNextReadOnlyAHeldKeyByEveryReadASystemHeldKeyOnlyWhileHeld) {
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
  InputState system;          // a key held by the system: down while held, with no press latched or queued
  system.hold(65, true);
  EXPECT_TRUE(system.held(65));
  EXPECT_TRUE(system.read(65));
  EXPECT_TRUE(system.read(65));
  system.hold(65, false);
  EXPECT_FALSE(system.read(65));  // nothing latched: gone as soon as it is let go
  EXPECT_FALSE(system.next());
  system.hold(300, true);  // outside the key range: ignored
  EXPECT_FALSE(system.held(300));
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

TEST(PendingInput, HeldBackUntilReleasedThenAppliedInOrderAndRecordedUnderThePass) {
  const gloam::testing::ScratchDir scratch("gloam-pending-input");
  const std::string path = (scratch.path() / "recording.txt").string();
  auto recorder = std::make_unique<InputRecorder>();
  ASSERT_TRUE(recorder->open(path, 7));
  InputState in;
  PendingInput pending;
  pending.key(65, true);
  pending.pointer({3, 4});
  pending.key(65, false);
  pending.key(66, true);
  pending.pointer({5, 6});
  EXPECT_FALSE(in.read(65));  // not before the pass begins
  const std::optional<Point> moved = pending.release(in, recorder.get(), 12);
  ASSERT_TRUE(moved);
  EXPECT_EQ((std::array{moved->x, moved->y}), (std::array{5.0f, 6.0f}));  // only the newest position
  EXPECT_TRUE(in.read(65));                                               // the tap, once
  EXPECT_FALSE(in.read(65));
  EXPECT_TRUE(in.read(66));                               // still held
  EXPECT_FALSE(pending.release(in, recorder.get(), 13));  // released once only: no pointer, no keys
  EXPECT_TRUE(in.read(66));
  recorder.reset();  // closes the file, which Windows will not remove while open
  const std::string lines = gloam::testing::readFile(path);
  EXPECT_NE(lines.find("seed 7\n12 down 65\n12 up 65\n12 down 66\n"), std::string::npos) << lines;
}

#ifdef __linux__
// A file size limit stands in for a full disk.
TEST(InputRecorder, AWriteThatFailsIsSaidOnceAndEndsTheRecording) {
  const gloam::testing::ScratchDir scratch("gloam-recorder-full");
  const std::string path = (scratch.path() / "recording.txt").string();
  InputRecorder recorder;
  ASSERT_TRUE(recorder.open(path, 7));
  EXPECT_FALSE(recorder.cutShort());
  rlimit before{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
  const rlimit small{200, before.rlim_max};
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  ::testing::internal::CaptureStderr();
  int frame = 0;
  for (; frame < 100 && recorder.isOpen(); ++frame) {
    recorder.keyChange(frame, vk::Shift, frame % 2 == 0);
    recorder.flush();
  }
  recorder.keyChange(frame, vk::Shift, true);
  recorder.flush();
  const std::string said = ::testing::internal::GetCapturedStderr();
  setrlimit(RLIMIT_FSIZE, &before);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(recorder.isOpen());
  EXPECT_TRUE(recorder.cutShort());
  const std::string expected = "cannot write " + path + ": the recording ends at pass " + std::to_string(frame - 1);
  EXPECT_NE(said.find(expected), std::string::npos) << said;
  EXPECT_EQ(said.find("cannot write", said.find("cannot write") + 1), std::string::npos) << said;
  EXPECT_LE(std::filesystem::file_size(path), 200u);
}
#endif

TEST(ScriptedRun, AppliesEventsUpToThePassPlacesTheCursorOnThePixelAndLogsMessages) {
  InputScript script;
  std::string error;
  ASSERT_TRUE(parseInputScript("0 mouse 10 20\n2 down 65\n2 up 65\n3 mouse 639 0\n3 close\n", "s", script, error));
  std::vector<std::string> log;
  ScriptedRun run(std::move(script), &log);
  InputState in;
  const Rect window{50, 60, 50 + 1280, 60 + 960};  // zoom 2
  run.beginFrame(1, 640, 480, in);
  EXPECT_FALSE(in.read(65));
  const auto pixel = [&] {
    return std::array{pixelXFrom(run.cursorPos(window), window, 640), pixelYFrom(run.cursorPos(window), window, 480)};
  };
  EXPECT_EQ(pixel(), (std::array{10, 20}));
  run.beginFrame(3, 640, 480, in);  // frames 2 and 3 at once: the tap still counts
  EXPECT_TRUE(in.read(65));
  EXPECT_EQ(pixel(), (std::array{639, 0}));
  std::optional<Event> e = in.next();
  while (e && e->kind == Event::Kind::KeyPress) e = in.next();
  ASSERT_TRUE(e);
  EXPECT_EQ(e->kind, Event::Kind::Close);
  run.logMessage("ERROR", "Window Creation Error.");
  EXPECT_EQ(log, std::vector<std::string>{"ERROR: Window Creation Error."});
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

Rect sized(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

TEST(PictureRect, WholeZoomsFillExactlyAndOnePixelShortFallsToTheZoomBelow) {
  const struct {
    Rect window;
    int width, height;
    Rect want;
  } cases[] = {
      {sized(0, 0, 1280, 960), 640, 480, sized(0, 0, 1280, 960)},               // zoom 2, no bars
      {sized(0, 0, 1279, 960), 640, 480, sized(319, 240, 640, 480)},            // one short across: zoom 1
      {sized(0, 0, 1280, 959), 640, 480, sized(320, 239, 640, 480)},            // one short down: zoom 1
      {sized(5, 7, 640, 480), 640, 480, sized(5, 7, 640, 480)},                 // zoom 1, offset window
      {sized(0, 0, 1280, 1024), 320, 240, sized(0, 32, 1280, 960)},             // a 5:4 screen: bars above and below
      {sized(0, 0, 1920, 1080), 320, 240, sized(320, 60, 1280, 960)},           // 16:9: zoom 4, bars all round
      {sized(0, 0, 701, 503), 320, 240, sized(30, 11, 640, 480)},               // odd leftovers go right and below
      {sized(0, 0, 639, 480), 640, 480, sized(0, 0, 639, 479)},                 // one short of zoom 1: smooth
      {sized(0, 0, 640, 479), 640, 480, sized(1, 0, 638, 479)},                 // the other way: 479 * 4 / 3 = 638.67
      {sized(10, 20, 320, 240), 640, 480, sized(10, 20, 320, 240)},             // half size, exactly
      {sized(0, 0, 10000, 240), 320, 240, sized(4840, 0, 320, 240)},            // extremely wide: zoom 1 in the middle
      {sized(0, 0, 3000, 1), 640, 480, sized(1499, 0, 1, 1)},                   // a line: never less than a pixel
      {sized(0, 0, 1, 3000), 640, 480, sized(0, 1499, 1, 1)},                   // a column
      {sized(0, 0, 100000, 100000), 640, 480, sized(80, 12560, 99840, 74880)},  // zoom 156, no overflow
      {sized(3, 4, 0, 480), 640, 480, sized(3, 4, 0, 480)},                     // no area: as it is
  };
  for (const auto& c : cases) {
    const Rect got = pictureRect(c.window, c.width, c.height);
    EXPECT_EQ(got, c.want) << c.window.width() << "x" << c.window.height() << " for " << c.width << "x" << c.height
                           << ": got " << got.left << "," << got.top << " " << got.width() << "x" << got.height();
  }
}

TEST(MouseArea, FittedPicturesMapEveryPixelBackAndTheBarsClampClassicWindowsStayWhole) {
  // Zooms 1 to 4 (1000 x 700 and 1280 x 960 for 640 x 480, 1279 x 959 and 1280 x 960 for 320 x 240) and smooth.
  const Rect windows[] = {sized(100, 50, 1000, 700), sized(0, 0, 1279, 959),  sized(7, 9, 500, 300),
                          sized(0, 0, 2048, 1536),   sized(40, 0, 300, 1000), sized(7, 9, 1280, 960)};
  for (const Rect& window : windows) {
    for (const auto& [w, h] : {std::pair{320, 240}, std::pair{640, 480}}) {
      const Rect area = mouseArea(window, w, h, true);
      for (int x = 0; x < w; ++x) ASSERT_EQ(pixelXFrom(cursorForPixel(x, 0, area, w, h), area, w), x);
      for (int y = 0; y < h; ++y) ASSERT_EQ(pixelYFrom(cursorForPixel(0, y, area, w, h), area, h), y);
      // In the bars: left and below give 0, right and above the last pixel.
      const Point leftBelow{float(window.left), float(window.bottom - 1)};
      const Point rightAbove{float(window.right - 1), float(window.top)};
      const bool barsAcross = area.left > window.left, barsDown = area.top > window.top;
      if (barsAcross) {
        EXPECT_EQ(pixelXFrom(leftBelow, area, w), 0);
        EXPECT_EQ(pixelXFrom(rightAbove, area, w), w - 1);
      }
      if (barsDown) {
        EXPECT_EQ(pixelYFrom(leftBelow, area, h), 0);
        EXPECT_EQ(pixelYFrom(rightAbove, area, h), h - 1);
      }
    }
  }
  // A window not scaled to fit maps through all of itself, whatever its shape.
  EXPECT_EQ(mouseArea(sized(0, 0, 1000, 700), 640, 480, false), sized(0, 0, 1000, 700));
  // The picture's centre pixel under the window's centre, bars or not.
  const Rect wide = sized(0, 0, 1000, 700), area = mouseArea(wide, 640, 480, true);
  EXPECT_EQ((std::array{pixelXFrom({500, 350}, area, 640), pixelYFrom({500, 350}, area, 480)}), (std::array{320, 240}));
}

}  // namespace
}  // namespace gloam::platform
