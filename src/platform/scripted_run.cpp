#include "platform/scripted_run.hpp"

#include "platform/pixel_mapping.hpp"

namespace gloam::platform {

void ScriptedRun::beginFrame(int frameCounter, int screenWidth, int screenHeight, InputState& input) {
  screenWidth_ = screenWidth;
  screenHeight_ = screenHeight;
  while (next_ < script_.events.size() && script_.events[next_].frame <= frameCounter) {
    const ScriptEvent& e = script_.events[next_++];
    switch (e.kind) {
      case ScriptEvent::Kind::Down: input.change(e.a, true); break;
      case ScriptEvent::Kind::Up: input.change(e.a, false); break;
      case ScriptEvent::Kind::Mouse:
        mouseX_ = e.a;
        mouseY_ = e.b;
        break;
      case ScriptEvent::Kind::Close: input.post(Event{Event::Kind::Close}); break;
    }
  }
}

Point ScriptedRun::cursorPos(const Rect& window, bool scaledToFit) const {
  const Rect area = mouseArea(window, screenWidth_, screenHeight_, scaledToFit);
  return cursorForPixel(mouseX_, mouseY_, area, screenWidth_, screenHeight_);
}

void ScriptedRun::logMessage(const char* caption, const char* text) {
  if (messageLog_) messageLog_->push_back(std::string(caption) + ": " + text);
}

}  // namespace gloam::platform
