// Each command of the classic table has a reporter here, matched by name, that runs the classic
// action and then reads back what it did: the result line describes the world as it is after the
// command, not what the command meant to do. "screensavertoggle" is the one command comfort runs
// itself, because the classic one pauses the loop; "help" is comfort's own.
#include "comfort/console_results.hpp"

#include <cstdarg>
#include <cstdio>
#include <string>
#include <string_view>

#include "comfort/cell_names.hpp"
#include "console/command_words.hpp"
#include "console/run_console.hpp"
#include "world/cell_codes.hpp"

namespace gloam::comfort {
namespace {

using console::CellPos;
using console::CommandTargets;
using console::CommandWords;
using console::ConsoleCommand;

__attribute__((format(printf, 2, 3))) void say(CommandReport& report, const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vsnprintf(report.text.data(), report.text.size(), format, args);
  va_end(args);
}

CellPos besidePlayer(const CommandTargets& t, int dx, int dy, int dz) {
  return console::cellBesidePlayer(t.units, dx, dy, dz);
}

// The cell's code by name; a code without a name by its number.
void sayCellIs(CommandReport& r, const CommandTargets& t, CellPos c) {
  const std::uint8_t code = t.grid.cellAt(c.x, c.y, c.z);
  const std::string_view name = cellName(code);
  if (name.empty())
    say(r, "cell %d,%d,%d is now code %d", c.x, c.y, c.z, code);
  else
    say(r, "cell %d,%d,%d is now %.*s", c.x, c.y, c.z, static_cast<int>(name.size()), name.data());
}

void sayOffGrid(CommandReport& r, CellPos c) { say(r, "nothing changed: %d,%d,%d is off the grid", c.x, c.y, c.z); }

void reportCellEdit(const ConsoleCommand& classic, const CommandWords& w, const CommandTargets& t, CommandReport& r,
                    CellPos target) {
  classic.run(w, t);
  if (target.onGrid())
    sayCellIs(r, t, target);
  else
    sayOffGrid(r, target);
}

void reportHere(const ConsoleCommand& c, const CommandWords& w, const CommandTargets& t, CommandReport& r) {
  reportCellEdit(c, w, t, r, besidePlayer(t, 0, 0, 0));
}
void reportEastOfPlayer(const ConsoleCommand& c, const CommandWords& w, const CommandTargets& t, CommandReport& r) {
  reportCellEdit(c, w, t, r, besidePlayer(t, 1, 0, 0));
}
void reportNorthOfPlayer(const ConsoleCommand& c, const CommandWords& w, const CommandTargets& t, CommandReport& r) {
  reportCellEdit(c, w, t, r, besidePlayer(t, 0, 1, 0));
}

void reportCorner(const ConsoleCommand& c, const CommandWords& w, const CommandTargets& t, CommandReport& r) {
  const CellPos here = besidePlayer(t, 0, 0, 0);
  const CellPos below = besidePlayer(t, 0, 0, 1);
  c.run(w, t);
  if (!here.onGrid()) return sayOffGrid(r, here);
  if (!below.onGrid()) return sayCellIs(r, t, here);
  const std::string_view name = cellName(t.grid.cellAt(here.x, here.y, here.z));
  say(r, "cells %d,%d,%d and %d,%d,%d are now %.*s", here.x, here.y, here.z, below.x, below.y, below.z,
      static_cast<int>(name.size()), name.data());
}

void reportScreenSaver(const ConsoleCommand&, const CommandWords&, const CommandTargets& t, CommandReport& r) {
  t.screenSaverMode = t.screenSaverMode == 0 ? 1 : 0;
  say(r, "screen saver %s", t.screenSaverMode == 1 ? "on" : "off");
}

void reportTeleport(const ConsoleCommand& c, const CommandWords& w, const CommandTargets& t, CommandReport& r) {
  const CellPos target = console::teleportTarget(w);
  c.run(w, t);
  const CellPos now = besidePlayer(t, 0, 0, 0);
  if (now.x == target.x && now.y == target.y && now.z == target.z) {
    r.teleported = true;
    say(r, "teleported to %d,%d,%d", target.x, target.y, target.z);
    return;
  }
  const std::string_view name = cellName(t.grid.cellAt(target.x, target.y, target.z));
  say(r, "blocked: %.*s at %d,%d,%d", static_cast<int>(name.size()), name.data(), target.x, target.y, target.z);
}

struct CommandReporter {
  std::string_view name;  // as in the classic command table
  void (*report)(const ConsoleCommand& classic, const CommandWords& w, const CommandTargets& t, CommandReport& r);
  const char* usage;  // shown when the line has the wrong number of words
};

constexpr CommandReporter Reporters[] = {
    {"corner1", reportCorner, "corner1"},
    {"env4block", reportHere, "env4block"},
    {"env4grass", reportHere, "env4grass"},
    {"env4dirt", reportHere, "env4dirt"},
    {"env4emptyx1", reportEastOfPlayer, "env4emptyx1"},
    {"env4emptyy1", reportNorthOfPlayer, "env4emptyy1"},
    {"screensavertoggle", reportScreenSaver, "screensavertoggle"},
    {"env4teleport", reportTeleport, "env4teleport X Y Z"},
};

const CommandReporter* reporterFor(std::string_view name) {
  for (const CommandReporter& reporter : Reporters)
    if (reporter.name == name) return &reporter;
  return nullptr;
}

// "help": every command of the classic table as it is typed, then help itself.
void reportHelp(CommandReport& r) {
  std::string list = "commands:";
  for (const ConsoleCommand& command : console::commandTable()) {
    const CommandReporter* reporter = reporterFor(command.name);
    list += ' ';
    list += reporter ? std::string_view(reporter->usage) : command.name;
    list += ',';
  }
  say(r, "%s %s", list.c_str(), HelpCommand);
}

void reportLine(const CommandWords& words, const CommandTargets& targets, CommandReport& report) {
  if (words.count == 0) return say(report, "nothing to run");
  const std::string_view first = words.word(0);
  if (console::equalsIgnoringCase(first, HelpCommand)) return reportHelp(report);
  const ConsoleCommand* command = console::findCommand(first);
  if (!command) return say(report, "no such command: %.*s", static_cast<int>(first.size()), first.data());
  const CommandReporter* reporter = reporterFor(command->name);
  if (!reporter) return say(report, "%.*s: ran", static_cast<int>(first.size()), first.data());
  if (!console::takesWordCount(*command, words)) return say(report, "usage: %s", reporter->usage);
  reporter->report(*command, words, targets, report);
}

}  // namespace

CommandReport runReportedCommand(console::ConsoleState& console, const char* line,
                                 const console::CommandTargets& targets) {
  CommandReport report;
  if (!console.CommandTokens) return report;
  reportLine(console::splitIntoWordBuffers(console, line), targets, report);
  return report;
}

}  // namespace gloam::comfort
