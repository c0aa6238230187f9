// The console in comfort mode. It reads key presses in the order they were typed (one character
// per press, auto-repeat included) instead of polling held keys, so nothing is lost, doubled or
// paused for. Enter runs the line, clears it and shows a result line under it for a few seconds;
// Up and Down recall the last lines run. The line, its length and the shown flag stay in the
// classic ConsoleState, which the state dump reads.
#pragma once
#include <array>

#include "comfort/console_results.hpp"
#include "console/console_commands.hpp"
#include "console/console_state.hpp"
#include "core/screen.hpp"
#include "draw/text.hpp"

namespace gloam::comfort {

inline constexpr int HistoryDepth = 16;    // lines Up and Down can recall
inline constexpr int PressQueueSize = 64;  // presses held between two console steps
inline constexpr int ResultShownMs = 3000;

// One key press as the window system reported it, with the Shift state of its pass.
struct KeyPress {
  int key;
  bool shift;
};

struct ComfortConsole {
  std::array<KeyPress, PressQueueSize> pending{};
  int pendingCount = 0;
  std::array<std::array<char, console::CommandLineSize>, HistoryDepth> history{};  // [0] is the newest
  int historyCount = 0;
  int recalled = -1;         // the history entry on the line, -1 for a line being typed
  CommandReport lastReport;  // the last command's result line
  int resultPassesLeft = 0;  // passes the result line is still shown
};

// Queues a press for the next console step; presses beyond the queue's size are dropped.
void queueKeyPress(ComfortConsole& comfort, KeyPress press);

// One console step: takes the queued presses in order (Tab shows or hides the console; while it
// is shown Enter, Backspace, Up, Down and the typing keys edit and run the line), then counts
// down the result line. Returns true when a command teleported the PlayerUnit.
bool runComfortConsole(ComfortConsole& comfort, console::ConsoleState& console, const console::CommandTargets& targets,
                       int passesPerSecond);

// The character a press types into the line (space, a-z, A-Z, 0-9), or 0 for any other key.
char typedCharacter(KeyPress press);

// The prompt line (with the classic blinking cursor) and, while it lasts, the result line under
// it, each on a dark strip. Nothing while the console is hidden.
void drawComfortConsole(const ComfortConsole& comfort, const console::ConsoleState& console, Screen& screen,
                        draw::TextBuffer& text, int frameCounter);

}  // namespace gloam::comfort
