// Window messages arrive through the platform one at a time; the loop drains them all.
#include "shell/messages.hpp"

namespace gloam::shell {

void wndProc(Game& game, platform::MessageKind message) {
  switch (message) {
    case platform::MessageKind::Close: game.loop.quitRequested = 1; break;
    case platform::MessageKind::Activate:      // handled, nothing further
    case platform::MessageKind::ScreenSave:    // swallowed: no screen saver while the game runs
    case platform::MessageKind::MonitorPower:  // swallowed: no monitor power-saving either
    case platform::MessageKind::Other: break;  // the platform's default handling already ran
  }
}

int pumpOneMessage(Game& game) {
  const std::optional<platform::MessageKind> message = game.platform.peekMessage();
  if (!message) return 0;
  wndProc(game, *message);
  return 1;
}

}  // namespace gloam::shell
