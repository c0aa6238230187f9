// The headless platform: the SDL window and GL code on SDL's offscreen driver (a real Mesa EGL
// context, no display), with keys and mouse from an input script and sleeps counted, not slept.
#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/input_script.hpp"
#include "platform/sdl/sdl_platform.hpp"

namespace gloam::platform {

class HeadlessPlatform : public SdlPlatform {
 public:
  static std::unique_ptr<HeadlessPlatform> open(InputScript script, std::string& error);

  void swapBuffers() override;
  void moveWindow(int x, int y, int width, int height) override;
  bool createWindow(const char* title, int width, int height) override;
  void messageBox(const char* caption, const char* text, MessageIcon icon) override;
  bool keyDown(int virtualKey) override;
  Point cursorPos() override;
  Rect windowRect() override;
  std::optional<MessageKind> peekMessage() override;
  void sleepMs(int milliseconds) override;
  void beginFrame(int frameCounter, int screenWidth, int screenHeight) override;

  const std::vector<std::string>& messages() const { return messages_; }

  // Direct control for tests that drive the platform without a script.
  void setKey(int virtualKey, bool down) { keys_[virtualKey & 255] = down; }
  void setMouse(int x, int y) { mouseX_ = x; mouseY_ = y; }

 private:
  HeadlessPlatform() = default;

  InputScript script_;
  std::size_t nextEvent_ = 0;
  std::array<bool, 256> keys_{};
  int mouseX_ = 0;        // Framebuffer pixels, as the script gives them
  int mouseY_ = 0;
  Rect rect_;             // where the window would be on a screen
  int screenWidth_ = 320;
  int screenHeight_ = 240;
  bool closePending_ = false;
  std::vector<std::string> messages_;
};

}  // namespace gloam::platform
