// The console's own state: whether the prompt is shown, the line being typed, the submit flag and
// the word buffers a submitted line is split into. The Game owns one ConsoleState; nothing here
// touches the world or the screen.
#pragma once
#include <array>
#include <memory>

namespace gloam::console {

inline constexpr int CommandLineSize = 256;   // characters of CommandLine, terminator included
inline constexpr int CommandTokenCount = 20;  // word buffers of a submitted line
inline constexpr int CommandTokenSize = 256;  // characters per word buffer, terminator included

using CommandToken = std::array<char, CommandTokenSize>;

struct ConsoleState {
  int ConsoleVisible = 0;                         // 1: the prompt is drawn and keys are read into the line
  char CommandLine[CommandLineSize] = {};         // always zero-terminated
  int CommandLength = 0;                          // characters in CommandLine
  int CommandSubmitted = 0;                       // set by Enter, cleared when the line has been run
  std::unique_ptr<CommandToken[]> CommandTokens;  // CommandTokenCount buffers after initConsole
};

// Allocates the word buffers, all empty, and empties the line.
void initConsole(ConsoleState& console);

// Releases the word buffers if they exist and clears the pointer; safe to call twice.
void freeConsole(ConsoleState& console);

}  // namespace gloam::console
