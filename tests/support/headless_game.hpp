// A whole game on the headless platform, run in-process from an input script: start-up, then the
// loop for a number of passes or pass by pass, and the state left behind for the test to inspect.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/input_state.hpp"
#include "platform/open_platform.hpp"
#include "platform/pixel_mapping.hpp"
#include "shell/game.hpp"
#include "shell/main_loop.hpp"
#include "shell/run_outputs.hpp"
#include "shell/startup.hpp"
#include "support/scratch_dir.hpp"

namespace gloam::testing {

// The headless platform with a test's hand on the keys and the mouse: between passes a test may
// point at a pixel and tap a key or button, so that it can aim at what the last pass showed.
class Hand : public platform::Platform {
 public:
  explicit Hand(std::unique_ptr<platform::Platform> inner) : Platform(false), in_(std::move(inner)) {}
  void pointAt(platform::Point pixel) { pixel_ = pixel; }
  void tap(int key) {
    taps_.change(key, true);
    taps_.change(key, false);
  }
  std::optional<platform::OpenStep> openWindow(const platform::WindowSpec& s) override { return in_->openWindow(s); }
  platform::CloseReport closeWindow() override { return in_->closeWindow(); }
  void swapBuffers() override { in_->swapBuffers(); }
  void showCursor(bool visible) override { in_->showCursor(visible); }
  void moveWindow(const platform::Rect& r) override { in_->moveWindow(r); }
  void messageBox(const char* c, const char* t, platform::MessageIcon i) override { in_->messageBox(c, t, i); }
  bool keyDown(int key) override { return taps_.read(key) | in_->keyDown(key); }
  platform::Point cursorPos() override {
    return pixel_ ? platform::cursorForPixel(int(pixel_->x), int(pixel_->y), windowRect(), width_, height_)
                  : in_->cursorPos();
  }
  platform::Rect windowRect() override { return in_->windowRect(); }
  std::optional<platform::Rect> displayArea() override { return in_->displayArea(); }
  std::optional<platform::Event> nextEvent() override {
    const std::optional<platform::Event> e = in_->nextEvent();
    return e ? e : taps_.next();
  }
  platform::Instant now() override { return in_->now(); }
  void waitUntil(platform::Instant deadline) override { in_->waitUntil(deadline); }
  void beginFrame(int frame, int width, int height) override {
    width_ = width;
    height_ = height;
    in_->beginFrame(frame, width, height);
  }

 private:
  std::unique_ptr<platform::Platform> in_;
  platform::InputState taps_;
  std::optional<platform::Point> pixel_;
  int width_ = 320, height_ = 240;
};

struct HeadlessGame {
  std::vector<std::string> messages;  // every message box, as "CAPTION: text"
  std::unique_ptr<Hand> platform;
  std::unique_ptr<shell::Game> game;

  HeadlessGame(const std::string& script, long long frames, std::uint32_t seed = 1, bool comfort = false,
               const std::string& dataDir = "no-such-data") {
    platform::PlatformOptions options;
    options.headless = true;
    options.messageLog = &messages;
    std::string error;
    EXPECT_TRUE(platform::parseInputScript(script, "test", options.script, error)) << error;
    std::unique_ptr<platform::Platform> opened = platform::openPlatform(std::move(options), error);
    if (!opened) {
      ADD_FAILURE() << error;  // every later use of the game would dereference a missing platform
      return;
    }
    platform = std::make_unique<Hand>(std::move(opened));
    const shell::RunSettings settings{.dataDir = dataDir, .seed = seed, .maxFrames = frames, .comfort = comfort};
    game = std::make_unique<shell::Game>(*platform, settings);
    shell::runStartup(*game);
  }

  HeadlessGame& run() {
    shell::runMainLoop(*game);
    return *this;
  }
  // Runs passes until the FrameCounter reaches `frame`.
  void runTo(int frame) {
    while (game->loop.frameCounter < frame && game->loop.quitRequested == 0) shell::runOnePass(*game);
  }
  const units::UnitRecord& player() const { return game->units[game->loop.playerUnitIndex]; }
  const std::uint8_t* presentedPixel(int x, int y) const {
    return game->shown.pixels.data() + (static_cast<std::size_t>(y) * game->shown.mode.width + x) * 4;
  }
  // The state file as --state writes it now, read back whole.
  std::string stateJson() const {
    const std::string path = ::testing::TempDir() + "headless-game-state.json";
    EXPECT_TRUE(shell::writeStateJson(*game, platform->sleptMs(), path));
    return readFile(path);
  }
};

// A comfort-mode game run pass by pass.
inline HeadlessGame comfortGame(const std::string& script, std::uint32_t seed = 5) { return {script, -1, seed, true}; }

// Script lines that press a key on one pass and release it on another; on the same pass, a tap
// shorter than a pass.
inline std::string hold(int frame, int key, int releaseFrame) {
  return std::to_string(frame) + " down " + std::to_string(key) + "\n" + std::to_string(releaseFrame) + " up " +
         std::to_string(key) + "\n";
}
inline std::string tap(int frame, int key) { return hold(frame, key, frame); }

}  // namespace gloam::testing
