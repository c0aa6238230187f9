// Editing follows the classic line's rules (the same characters, the same 30-character cap);
// what differs is where keys come from and what Enter does to the line afterwards.
#include "comfort/comfort_console.hpp"

#include <cstring>

#include "comfort/pass_timing.hpp"
#include "comfort/text_strips.hpp"
#include "console/run_console.hpp"
#include "console/text_entry_line.hpp"
#include "platform/keys.hpp"

namespace gloam::comfort {
namespace {

inline constexpr int ResultLineX = console::ConsoleLineX;
inline constexpr int ResultLineY = console::ConsoleLineY - 17;  // the SmallFont row just under the prompt

void setLine(console::ConsoleState& console, const char* text) {
  std::snprintf(console.CommandLine, sizeof console.CommandLine, "%.*s", console::ConsoleLineMaxLength, text);
  console.CommandLength = static_cast<int>(std::strlen(console.CommandLine));
}

void remember(ComfortConsole& comfort, const char* line) {
  if (line[0] == '\0') return;
  if (comfort.historyCount > 0 && std::strcmp(comfort.history[0].data(), line) == 0) return;
  for (int i = HistoryDepth - 1; i > 0; --i) comfort.history[i] = comfort.history[i - 1];
  std::snprintf(comfort.history[0].data(), console::CommandLineSize, "%s", line);
  if (comfort.historyCount < HistoryDepth) ++comfort.historyCount;
}

// Up goes back to older lines, Down forward again and finally to an empty line.
void recall(ComfortConsole& comfort, console::ConsoleState& console, int step) {
  const int target = comfort.recalled + step;
  if (target >= comfort.historyCount) return;
  comfort.recalled = target < 0 ? -1 : target;
  setLine(console, comfort.recalled < 0 ? "" : comfort.history[comfort.recalled].data());
}

bool submit(ComfortConsole& comfort, console::ConsoleState& console, const console::CommandTargets& targets,
            int passesPerSecond) {
  char line[console::CommandLineSize];
  std::snprintf(line, sizeof line, "%s", console.CommandLine);
  remember(comfort, line);
  comfort.recalled = -1;
  setLine(console, "");
  comfort.lastReport = runReportedCommand(console, line, targets);
  comfort.resultPassesLeft = passesFor(ResultShownMs, passesPerSecond);
  return comfort.lastReport.teleported;
}

void append(console::ConsoleState& console, char ch) {
  if (console.CommandLength >= console::ConsoleLineMaxLength) return;
  console.CommandLine[console.CommandLength++] = ch;
  console.CommandLine[console.CommandLength] = '\0';
}

void erase(console::ConsoleState& console) {
  if (console.CommandLength > 0) console.CommandLine[--console.CommandLength] = '\0';
}

// One press while the console is shown; true when it teleported the PlayerUnit.
bool edit(ComfortConsole& comfort, console::ConsoleState& console, const console::CommandTargets& targets,
          int passesPerSecond, KeyPress press) {
  switch (press.key) {
    case vk::Enter: return submit(comfort, console, targets, passesPerSecond);
    case vk::Backspace: erase(console); return false;
    case vk::Up: recall(comfort, console, +1); return false;
    case vk::Down: recall(comfort, console, -1); return false;
    default: break;
  }
  if (const char ch = typedCharacter(press)) append(console, ch);
  return false;
}

}  // namespace

void queueKeyPress(ComfortConsole& comfort, KeyPress press) {
  if (comfort.pendingCount < PressQueueSize) comfort.pending[comfort.pendingCount++] = press;
}

char typedCharacter(KeyPress press) {
  if (press.key == vk::Space) return ' ';
  if (press.key >= vk::KeyA && press.key < vk::KeyA + 26)
    return static_cast<char>((press.shift ? 'A' : 'a') + (press.key - vk::KeyA));
  if (press.key >= vk::Digit0 && press.key < vk::Digit0 + 10) return static_cast<char>('0' + (press.key - vk::Digit0));
  return 0;
}

bool runComfortConsole(ComfortConsole& comfort, console::ConsoleState& console, const console::CommandTargets& targets,
                       int passesPerSecond) {
  bool teleported = false;
  if (comfort.resultPassesLeft > 0) --comfort.resultPassesLeft;
  for (int i = 0; i < comfort.pendingCount; ++i) {
    const KeyPress press = comfort.pending[i];
    if (press.key == vk::Tab)
      console.ConsoleVisible = console.ConsoleVisible == 0 ? 1 : 0;
    else if (console.ConsoleVisible == 1)
      teleported = edit(comfort, console, targets, passesPerSecond, press) || teleported;
  }
  comfort.pendingCount = 0;
  return teleported;
}

void drawComfortConsole(const ComfortConsole& comfort, const console::ConsoleState& console, Screen& screen,
                        draw::TextBuffer& text, int frameCounter) {
  if (console.ConsoleVisible != 1) return;
  console::formatPromptLine(text, console::ConsolePrompt, console.CommandLine, frameCounter);
  drawLargeOnStrip(screen, text, console::ConsoleLineX, console::ConsoleLineY, {255, 255, 255});
  if (comfort.resultPassesLeft <= 0) return;
  drawSmallWrappedOnStrips(screen, text, comfort.lastReport.text.data(), ResultLineX, ResultLineY,
                           screen.mode.width - 2 * ResultLineX, {160, 255, 160});
}

}  // namespace gloam::comfort
