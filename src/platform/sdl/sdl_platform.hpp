// The windowed platform: an SDL2 window with an OpenGL compatibility context on a real display.
// The headless platform derives from it and runs the same window and GL code on SDL's offscreen
// driver, replacing only input, sleeping and message boxes.
#pragma once
#include <SDL.h>

#include <memory>
#include <string>

#include "platform/platform.hpp"
#include "platform/sdl/input_recorder.hpp"

namespace gloam::platform {

class SdlPlatform : public Platform {
 public:
  // Starts SDL's video on a real display. On failure returns null and says why in `error`.
  static std::unique_ptr<SdlPlatform> open(std::string& error);
  ~SdlPlatform() override;

  bool registerWindowClass() override;
  bool createWindow(const char* title, int width, int height) override;
  bool acquireDeviceContext() override;
  bool choosePixelFormat(int colourBits, int depthBits) override;
  bool setPixelFormat() override;
  bool createGlContext() override;
  bool makeContextCurrent() override;
  void showWindow() override;

  bool hasGlContext() const override { return context_ != nullptr; }
  bool releaseCurrentContext() override;
  bool deleteGlContext() override;
  bool hasDeviceContext() const override { return deviceContext_; }
  bool releaseDeviceContext() override;
  bool hasWindow() const override { return window_ != nullptr; }
  bool destroyWindow() override;
  bool unregisterWindowClass() override;

  void swapBuffers() override;
  void showCursor(bool visible) override;
  void moveWindow(int x, int y, int width, int height) override;
  void messageBox(const char* caption, const char* text, MessageIcon icon) override;

  bool keyDown(int virtualKey) override;
  Point cursorPos() override;
  Rect windowRect() override;
  std::optional<MessageKind> peekMessage() override;
  void sleepMs(int milliseconds) override;
  void beginFrame(int frameCounter, int screenWidth, int screenHeight) override;

  // From now on, every pass's input goes to an input script at `path`. While recording, the cursor
  // and the mouse buttons are read once per pass, so the replay sees exactly what the game saw; a
  // close request arriving through the window is recorded too, so the replay ends the same way.
  bool startRecording(const std::string& path, std::uint32_t seed);
  void stopRecording();
  // Total of every pause asked for, in milliseconds.
  long long sleptMs() const { return sleptMs_; }

 protected:
  SdlPlatform() = default;
  // Initialises SDL video with the given driver (null: SDL's choice) and checks what it got.
  bool startVideo(const char* forcedDriver, std::string& error);
  SDL_Window* window() const { return window_; }
  long long sleptMs_ = 0;

 private:
  SDL_Window* window_ = nullptr;
  SDL_GLContext context_ = nullptr;
  bool deviceContext_ = false;
  bool classRegistered_ = false;
  bool videoStarted_ = false;

  InputRecorder recorder_;
  bool snapshotValid_ = false;
  Point cursorSnapshot_;
  Uint32 buttonsSnapshot_ = 0;
  int frame_ = 0;
  Point liveCursor();
};

// SIGINT and SIGTERM become a close request that peekMessage hands out once.
void installCloseSignals();
bool takeCloseSignal();

}  // namespace gloam::platform
