// The per-frame console step: visibility toggle, text entry, then the command of a submitted line.
#include "console/run_console.hpp"

#include <algorithm>
#include <cstring>

#include "console/command_words.hpp"
#include "console/console_pauses.hpp"
#include "console/text_entry_line.hpp"
#include "core/input.hpp"
#include "platform/keys.hpp"

namespace gloam::console {

CommandWords splitIntoWordBuffers(ConsoleState& console, const char* line) {
  // The split works on a bounded copy, so the words can never be longer than a line can be.
  char work[CommandLineSize];
  std::strncpy(work, line, sizeof work - 1);
  work[sizeof work - 1] = '\0';
  for (int i = 0; i < CommandTokenCount; ++i) console.CommandTokens[i][0] = '\0';
  const int count = splitCommandWords(work, console.CommandTokens.get(), CommandTokenCount);
  return {console.CommandTokens.get(), std::min(count, CommandTokenCount), count};
}

void executeCommandLine(ConsoleState& console, const char* line, const CommandTargets& targets) {
  if (!console.CommandTokens) return;
  dispatchCommand(splitIntoWordBuffers(console, line), targets);
}

void runConsole(ConsoleState& console, Screen& screen, draw::TextBuffer& text, int frameCounter,
                const CommandTargets& targets) {
  platform::Platform& platform = targets.platform;
  if (isKeyDown(platform, vk::Tab)) {
    console.ConsoleVisible = console.ConsoleVisible == 0 ? 1 : 0;
    platform.sleepMs(TabPauseMs);
  }
  if (console.ConsoleVisible == 1) {
    const TextEntryIo io{platform, screen, text, frameCounter};
    editTextLine(console, io, ConsoleLineX, ConsoleLineY, ConsoleLineMaxLength, ConsolePrompt);
  }
  if (console.CommandSubmitted == 1) {
    console.CommandSubmitted = 0;
    executeCommandLine(console, console.CommandLine, targets);
  }
}

}  // namespace gloam::console
