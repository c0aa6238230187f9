// Body shapes shared by many unit portraits, as 16x16 character templates, and the painter that
// colours a template with a unit's palette. Letters: H head/hair/hat, S skin, E eyes, B body,
// b body shade, A belt/trim, L legs, F feet, N nose/neck, T tail, W wings/bone, Y beard.
#pragma once
#include <array>
#include <string_view>

#include "makeart/canvas.hpp"

namespace gloam::makeart {

using BodyTemplate = std::array<std::string_view, 16>;

extern const BodyTemplate HumanoidBody;  // standing man, arms at the sides
extern const BodyTemplate ShortBody;     // dwarf, goblin
extern const BodyTemplate WizardBody;    // pointed hat, beard, long robe
extern const BodyTemplate HoodedBody;    // hood and long robe
extern const BodyTemplate SkeletonBody;
extern const BodyTemplate BruteBody;  // broad shoulders; 'h' horns
extern const BodyTemplate BeastBody;  // four legs, side view, head to the left
extern const BodyTemplate BigBeastBody;
extern const BodyTemplate SerpentBody;
extern const BodyTemplate BeetleBody;  // top view; 'a' antennae, 'l' legs
extern const BodyTemplate MantisBody;
extern const BodyTemplate DragonBody;
extern const BodyTemplate HydraBody;
extern const BodyTemplate LizardBody;
extern const BodyTemplate AlienBody;
extern const BodyTemplate BlobBody;

// Stamps `body` with `palette` onto a key-coloured canvas (letters missing from the palette stay
// transparent). Call finishFigure after any overlays.
void paintBody(Canvas& c, const BodyTemplate& body, Palette palette);

// Outlines the figure so it stands out on any floor. The player's figure gets a bright edge.
void finishFigure(Canvas& c, bool player = false);

}  // namespace gloam::makeart
