// Pictures for a person to judge the art by: a contact sheet of the whole catalogue, and mock
// top-down screens (a dungeon corner, the overworld) composed from the painted tiles at 1x.
#pragma once
#include "makeart/canvas.hpp"
#include "makeart/overworld_map.hpp"

namespace gloam::makeart {

// Every catalogue entry, enlarged, labelled with its slot; keyed pictures shown over a floor tile.
Canvas renderContactSheet();

// 40 x 30 tiles of a hand-laid dungeon corner with the mage walking a path, at 640 x 480.
Canvas renderDungeonMock();

// The whole overworld at 4 pixels per cell (1024 x 1024), row 0 at the bottom as the game shows it.
Canvas renderOverworldMock(const OverworldCells& cells);

// 40 x 30 tiles of the overworld around its first village, at 1x (640 x 480).
Canvas renderOverworldView(const OverworldCells& cells);

}  // namespace gloam::makeart
