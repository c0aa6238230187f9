#include "platform/script_player.hpp"

namespace gloam::platform {

void ScriptPlayer::play(int frameCounter, InputState& input) {
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

}  // namespace gloam::platform
