// Window messages arrive through the platform one at a time; the loop drains them all.
#include "shell/messages.hpp"

namespace gloam::shell {

void wndProc(Game& game, const platform::Event& event) {
  switch (event.kind) {
    case platform::Event::Kind::Close: game.loop.quitRequested = 1; break;
    case platform::Event::Kind::Activate:      // handled, nothing further
    case platform::Event::Kind::ScreenSave:    // swallowed: no screen saver while the game runs
    case platform::Event::Kind::MonitorPower:  // swallowed: no monitor power-saving either
      break;
    case platform::Event::Kind::KeyPress: game.rules.takeKeyPress(game, event.key); break;
    case platform::Event::Kind::Other: break;  // the platform's default handling already ran
  }
}

int pumpOneMessage(Game& game) {
  const std::optional<platform::Event> event = game.platform.nextEvent();
  if (!event) return 0;
  wndProc(game, *event);
  return 1;
}

}  // namespace gloam::shell
