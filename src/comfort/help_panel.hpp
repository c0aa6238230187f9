// The help panel H shows in comfort mode: every key and what it does, for the screen mode on show
// (the map's keys in the map, the first-person view's in that view), on a dark panel.
#pragma once
#include "core/screen.hpp"
#include "draw/text.hpp"

namespace gloam::comfort {

// Which screen modes a row of the panel belongs to.
enum class HelpShown { Always, InMap, InFirstPerson };

struct HelpRow {
  const char* keys;
  const char* effect;
  HelpShown shown;
};

inline constexpr HelpRow HelpRows[] = {
    {"F5 / F6", "first-person view / map", HelpShown::Always},
    {"RIGHT CLICK", "walk to the cell", HelpShown::InMap},
    {"LEFT BUTTON", "walk forward", HelpShown::InFirstPerson},
    {"Z", "step back", HelpShown::InFirstPerson},
    {"DRAG", "any button held: look around", HelpShown::InFirstPerson},
    {"ARROWS", "move the view a cell", HelpShown::Always},
    {"NUMPAD + / -", "level down / up", HelpShown::Always},
    {"F1 - F4", "zoom, as far as the screen allows", HelpShown::Always},
    {"M", "move the window to the mouse", HelpShown::Always},
    {"1 2 3", "a step every 10, 30, 60 passes", HelpShown::Always},
    {"TAB", "console; its help lists the commands", HelpShown::Always},
    {"F12", "screenshot", HelpShown::Always},
    {"H", "show or hide this panel", HelpShown::Always},
    {"ESC", "close the console; twice: quit", HelpShown::Always},
};

inline constexpr int HelpPanelX = 12;        // the key column
inline constexpr int HelpEffectX = 86;       // the effect column
inline constexpr int HelpRowHeight = 10;     // SmallFont rows
inline constexpr int HelpPanelTopDrop = 30;  // the first row's y is ScreenHeight - 30

// Whether the row belongs on the screen of this width.
bool helpRowShown(const HelpRow& row, int screenWidth);

// The panel, over whatever is on the screen.
void drawHelpPanel(Screen& screen, draw::TextBuffer& text);

}  // namespace gloam::comfort
