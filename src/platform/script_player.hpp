// Plays an input script into a platform's InputState, pass by pass: every event stamped at or
// before the pass is applied in order, so a down and an up on the same pass are a tap. Shared by
// every platform that runs from a script, which is what makes their runs agree.
#pragma once
#include <cstddef>

#include "platform/input_script.hpp"
#include "platform/input_state.hpp"

namespace gloam::platform {

class ScriptPlayer {
 public:
  void load(InputScript script) { script_ = std::move(script); }
  void play(int frameCounter, InputState& input);
  int mouseX() const { return mouseX_; }  // Framebuffer pixels, as the script gives them
  int mouseY() const { return mouseY_; }

 private:
  InputScript script_;
  std::size_t next_ = 0;
  int mouseX_ = 0;
  int mouseY_ = 0;
};

}  // namespace gloam::platform
