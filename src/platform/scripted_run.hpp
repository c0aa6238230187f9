// A run driven by an input script instead of a person: each pass plays the script's events into
// the InputState, the cursor stands where the script puts it, and message boxes are kept in a
// log instead of waiting for a click. Shared by every platform that runs from a script, which is
// what makes their runs agree.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "platform/input_script.hpp"
#include "platform/input_state.hpp"
#include "platform/platform.hpp"

namespace gloam::platform {

class ScriptedRun {
 public:
  ScriptedRun() = default;
  // `messageLog`, if given, receives every message box as "CAPTION: text".
  ScriptedRun(InputScript script, std::vector<std::string>* messageLog)
      : script_(std::move(script)), messageLog_(messageLog) {}

  // Every event stamped at or before the pass is applied in order, so a down and an up on the
  // same pass are a tap. The screen size places the cursor.
  void beginFrame(int frameCounter, int screenWidth, int screenHeight, InputState& input);
  // A screen point that the game's own mapping turns into exactly the scripted pixel, in a window
  // that shows the picture pixel for pixel or (`scaledToFit`) scaled to fit it.
  Point cursorPos(const Rect& window, bool scaledToFit = false) const;
  void logMessage(const char* caption, const char* text);

  int mouseX() const { return mouseX_; }  // Framebuffer pixels, as the script gives them
  int mouseY() const { return mouseY_; }

 private:
  InputScript script_;
  std::vector<std::string>* messageLog_ = nullptr;
  std::size_t next_ = 0;
  int mouseX_ = 0;
  int mouseY_ = 0;
  int screenWidth_ = 320;
  int screenHeight_ = 240;
};

}  // namespace gloam::platform
