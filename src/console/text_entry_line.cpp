// Editing and drawing the command line. Every accepted key is followed by its own pause, so a
// call that takes three held keys stalls three times; a refused key costs nothing.
#include "console/text_entry_line.hpp"

#include <algorithm>

#include "console/console_pauses.hpp"
#include "console/typed_keys.hpp"
#include "core/input.hpp"
#include "platform/keys.hpp"

namespace gloam::console {
namespace {

bool shiftAllows(platform::Platform& platform, ShiftRule rule) {
  if (rule == ShiftRule::Ignored) return true;
  const bool shiftDown = isKeyDown(platform, vk::Shift);
  return rule == ShiftRule::MustBeDown ? shiftDown : !shiftDown;
}

void appendCharacter(ConsoleState& console, platform::Platform& platform, int maxLength, char ch) {
  if (console.CommandLength >= maxLength) return;
  console.CommandLine[console.CommandLength] = ch;
  console.CommandLine[console.CommandLength + 1] = '\0';
  ++console.CommandLength;
  platform.sleepMs(TypedKeyPauseMs);
}

void eraseLastCharacter(ConsoleState& console, platform::Platform& platform) {
  if (console.CommandLength < 1) return;
  console.CommandLine[console.CommandLength] = '\0';
  console.CommandLine[console.CommandLength - 1] = '\0';
  --console.CommandLength;
  platform.sleepMs(TypedKeyPauseMs);
}

void submitLine(ConsoleState& console, platform::Platform& platform) {
  console.CommandLine[console.CommandLength] = '\0';
  platform.sleepMs(EnterPauseMs);
  console.CommandSubmitted = 1;
}

void drawPromptLine(const ConsoleState& console, const TextEntryIo& io, int x, int y, const char* prompt) {
  formatPromptLine(io.text, prompt, console.CommandLine, io.frameCounter);
  draw::drawTextLarge(io.screen, io.text, x, y, {255, 255, 255});
}

}  // namespace

void formatPromptLine(draw::TextBuffer& text, const char* prompt, const char* line, int frameCounter) {
  if (frameCounter % CursorBlinkPeriod < CursorShownFrames)
    draw::formatText(text, "%s%s_", prompt, line);
  else
    draw::formatText(text, "%s%s", prompt, line);
}

void editTextLine(ConsoleState& console, const TextEntryIo& io, int x, int y, int maxLength, const char* prompt) {
  if (isKeyDown(io.platform, vk::Enter)) {
    submitLine(console, io.platform);
    return;
  }
  const int cap = std::min(maxLength, MaxLineLength);
  if (isKeyDown(io.platform, vk::Backspace)) eraseLastCharacter(console, io.platform);
  for (const TypedKey& key : TypedKeys)
    if (isKeyDown(io.platform, key.virtualKey) && shiftAllows(io.platform, key.shift))
      appendCharacter(console, io.platform, cap, key.character);
  drawPromptLine(console, io, x, y, prompt);
}

}  // namespace gloam::console
