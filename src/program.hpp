// The whole program behind whichever entry point the system calls.
#pragma once

namespace gloam {

// Runs the game as the command line asks; returns the process's exit status.
int runProgram(int argc, char** argv);

}  // namespace gloam
