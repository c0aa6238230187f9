// The console step the main loop calls once per frame, and the entry point that runs one command
// line directly (used by the step itself, by tests and by the fuzzer).
#pragma once
#include "console/console_commands.hpp"
#include "console/console_state.hpp"
#include "core/screen.hpp"
#include "draw/text.hpp"
#include "platform/platform.hpp"
#include "units/unit_table.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::console {

inline constexpr char ConsolePrompt[] = "CMD:";
inline constexpr int ConsoleLineX = 14;          // Framebuffer x of the prompt
inline constexpr int ConsoleLineY = 73;          // Framebuffer y, counted up from the bottom edge
inline constexpr int ConsoleLineMaxLength = 30;  // characters a typed line may hold

// One frame: Tab shows or hides the prompt; while shown, the text entry line reads keys and draws;
// a submitted line is run. The line itself is kept, so Enter again runs it again.
// The keys are read, and the pauses taken, through targets.platform.
void runConsole(ConsoleState& console, Screen& screen, draw::TextBuffer& text, int frameCounter,
                const CommandTargets& targets);

// Splits line (any bytes up to its terminator; only the first CommandLineSize - 1 are read) into
// the console's word buffers, emptied first. Needs initConsole to have run.
CommandWords splitIntoWordBuffers(ConsoleState& console, const char* line);

// Splits the line as above and runs the command it names. Does nothing before initConsole.
void executeCommandLine(ConsoleState& console, const char* line, const CommandTargets& targets);

}  // namespace gloam::console
