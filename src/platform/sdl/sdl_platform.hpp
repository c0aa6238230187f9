// The windowed platform: an SDL2 window with an OpenGL compatibility context on a real display.
// Input is taken from SDL's events, as they come, and shown to the game at the start of each pass.
#pragma once
#include <SDL.h>

#include <array>
#include <memory>
#include <string>

#include "platform/input_recorder.hpp"
#include "platform/input_state.hpp"
#include "platform/pending_input.hpp"
#include "platform/platform.hpp"
#include "platform/sdl/sdl_gl_window.hpp"
#include "platform/sdl/sdl_video.hpp"

namespace gloam::platform {

class SdlPlatform final : public Platform {
 public:
  // Starts SDL's video on a real display. With a `recordPath`, every pass's input goes there as
  // an input script. On failure returns null and says why in `error`.
  static std::unique_ptr<SdlPlatform> open(const std::string& recordPath, std::uint32_t seed, std::string& error);

  std::optional<OpenStep> openWindow(const WindowSpec& spec) override { return window_.open(spec); }
  CloseReport closeWindow() override { return window_.close(); }
  void swapBuffers() override { window_.swap(); }
  void showCursor(bool visible) override;
  void moveWindow(const Rect& where) override { window_.move(where); }
  void messageBox(const char* caption, const char* text, MessageIcon icon) override;
  bool keyDown(int virtualKey) override { return input_.read(virtualKey); }
  Point cursorPos() override { return cursor_; }
  Rect windowRect() override { return window_.rect(); }
  std::optional<Rect> displayArea() override;
  std::optional<Event> nextEvent() override;
  Instant now() override;
  void waitUntil(Instant deadline) override;
  void beginFrame(int frameCounter, int screenWidth, int screenHeight) override;
  bool recordingCutShort() const override { return recorder_.cutShort(); }

 private:
  SdlPlatform() : Platform(true) {}

  SdlVideo video_;
  SdlGlWindow window_;
  InputState input_;
  PendingInput pending_;                            // taken from SDL, not yet shown to the game
  std::array<int, SDL_NUM_SCANCODES> pressedAs_{};  // the virtual key each held key went down as
  InputRecorder recorder_;
  Point cursor_;
  int frame_ = 0;

  void takeWindowEvents();
  void takeEvent(const SDL_Event& event);
  void takeKey(const SDL_KeyboardEvent& key);
  Point liveCursor();
};

}  // namespace gloam::platform
