// Start-up and shutdown of the console state: the only allocation the console makes.
#include "console/console_state.hpp"

namespace gloam::console {

void initConsole(ConsoleState& console) {
  // Value-initialised, so every word buffer starts as the empty string.
  console.CommandTokens = std::make_unique<CommandToken[]>(CommandTokenCount);
  console.CommandLine[0] = '\0';
  console.CommandLength = 0;
}

void freeConsole(ConsoleState& console) {
  if (console.CommandTokens) console.CommandTokens.reset();
}

}  // namespace gloam::console
