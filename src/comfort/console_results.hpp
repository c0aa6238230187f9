// Running a console line in comfort mode: the classic command table does the work, without its
// pause, and every outcome is put in words for the result line under the console ("teleported to
// 101,101,2", "blocked: Wall at 100,100,2", "no such command: foo", "cell 136,24,2 is now EnvBlock").
#pragma once
#include <array>

#include "console/console_commands.hpp"
#include "console/console_state.hpp"

namespace gloam::comfort {

inline constexpr int ResultSize = 192;         // characters of a result, terminator included
inline constexpr char HelpCommand[] = "help";  // comfort's own command: the list of commands

struct CommandReport {
  std::array<char, ResultSize> text{};  // always zero-terminated
  bool teleported = false;              // the PlayerUnit was moved by a teleport
};

// Splits the line into the console's word buffers and runs the command it names, as the classic
// console does, then says what happened. Needs initConsole to have run.
CommandReport runReportedCommand(console::ConsoleState& console, const char* line,
                                 const console::CommandTargets& targets);

}  // namespace gloam::comfort
