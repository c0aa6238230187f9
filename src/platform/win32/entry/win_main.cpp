// The program's entry on Windows. The game is a window program, so it has no console of its own;
// when it was started from one, its usage, version and error lines go there, as on other systems.
#include <windows.h>

#include <cstdio>
#include <cstdlib>  // __argc, __argv

#include "program.hpp"

namespace {

bool hasStream(DWORD which) {
  const HANDLE h = GetStdHandle(which);
  return h != nullptr && h != INVALID_HANDLE_VALUE;
}

// Standard streams already given (redirected to a file or a pipe, or inherited) stay as they are;
// missing ones are joined to the console of the process that started the game, if there is one.
void joinParentConsole() {
  const bool hasOut = hasStream(STD_OUTPUT_HANDLE);
  const bool hasErr = hasStream(STD_ERROR_HANDLE);
  if ((hasOut && hasErr) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
  if (!hasOut) (void)std::freopen("CONOUT$", "w", stdout);
  if (!hasErr) (void)std::freopen("CONOUT$", "w", stderr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  joinParentConsole();
  return gloam::runProgram(__argc, __argv);
}
