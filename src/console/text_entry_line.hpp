// The text entry line: held keys become characters of ConsoleState::CommandLine, Enter submits it,
// and the line is drawn behind its prompt with a blinking cursor. Keys are polled, not queued.
#pragma once
#include "console/console_state.hpp"
#include "core/screen.hpp"
#include "draw/text.hpp"
#include "platform/platform.hpp"

namespace gloam::console {

inline constexpr int MaxLineLength = CommandLineSize - 1;  // the cap on any maxLength
inline constexpr int CursorBlinkPeriod = 20;               // frames per blink cycle
inline constexpr int CursorShownFrames = 10;               // the cursor shows in the first part

// What one call reads and draws through.
struct TextEntryIo {
  platform::Platform& platform;  // key states and the pauses
  Screen& screen;
  draw::TextBuffer& text;
  int frameCounter;  // FrameCounter, for the cursor blink
};

// The prompt and the line into the TextBuffer, with the cursor '_' behind them in the first
// CursorShownFrames frames of every CursorBlinkPeriod.
void formatPromptLine(draw::TextBuffer& text, const char* prompt, const char* line, int frameCounter);

// One call: Enter submits (and nothing is drawn); otherwise Backspace, Space, the letters and the
// digits are tested in that order, each held key acting once, and the line is drawn at (x, y).
void editTextLine(ConsoleState& console, const TextEntryIo& io, int x, int y, int maxLength, const char* prompt);

}  // namespace gloam::console
