// The panel is drawn row by row from the table, darkened behind as one block so the view shows
// through faintly.
#include "comfort/help_panel.hpp"

#include "comfort/text_strips.hpp"

namespace gloam::comfort {
namespace {

constexpr Colour KeyColour{255, 255, 0};
constexpr Colour EffectColour{255, 255, 255};

int shownRowCount(int screenWidth) {
  int n = 0;
  for (const HelpRow& row : HelpRows) n += helpRowShown(row, screenWidth) ? 1 : 0;
  return n;
}

}  // namespace

bool helpRowShown(const HelpRow& row, int screenWidth) {
  switch (row.shown) {
    case HelpShown::Always: return true;
    case HelpShown::InMap: return screenWidth == MapMode.width;
    case HelpShown::InFirstPerson: return screenWidth == FirstPersonMode.width;
  }
  return false;
}

void drawHelpPanel(Screen& screen, draw::TextBuffer& text) {
  const int top = screen.mode.height - HelpPanelTopDrop;
  const int bottom = top - (shownRowCount(screen.mode.width) - 1) * HelpRowHeight;
  darkenRect(screen, HelpPanelX - 4, bottom - 10, screen.mode.width - HelpPanelX + 3, top + 4);
  int y = top;
  for (const HelpRow& row : HelpRows) {
    if (!helpRowShown(row, screen.mode.width)) continue;
    draw::formatText(text, "%s", row.keys);
    draw::drawText(screen, text, HelpPanelX, y, KeyColour);
    draw::formatText(text, "%s", row.effect);
    draw::drawText(screen, text, HelpEffectX, y, EffectColour);
    y -= HelpRowHeight;
  }
}

}  // namespace gloam::comfort
