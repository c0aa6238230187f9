// Colours shared by several art families, so that the same stone or gold looks alike everywhere.
// Family-specific colours stay in their painters.
#pragma once
#include "makeart/canvas.hpp"

namespace gloam::makeart::colours {

inline constexpr Colour Outline{28, 22, 30};  // edge around keyed figures; never pure black
inline constexpr Colour Gold{226, 184, 62};
inline constexpr Colour GoldDark{160, 118, 34};
inline constexpr Colour GoldBright{255, 232, 120};
inline constexpr Colour Steel{176, 184, 196};
inline constexpr Colour SteelDark{104, 110, 124};
inline constexpr Colour SteelBright{232, 238, 248};
inline constexpr Colour Wood{128, 80, 40};
inline constexpr Colour WoodDark{84, 50, 24};
inline constexpr Colour WoodLight{168, 112, 60};
inline constexpr Colour Bone{226, 220, 196};
inline constexpr Colour BoneShade{170, 162, 140};
inline constexpr Colour Flame{255, 196, 64};
inline constexpr Colour FlameCore{255, 248, 200};
inline constexpr Colour FlameEdge{232, 96, 24};
inline constexpr Colour Skin{232, 184, 140};
inline constexpr Colour SkinShade{190, 138, 98};
inline constexpr Colour StoneLight{150, 144, 136};
inline constexpr Colour Stone{116, 110, 104};
inline constexpr Colour StoneDark{74, 70, 68};
inline constexpr Colour Grass{76, 138, 56};
inline constexpr Colour GrassDark{52, 104, 40};
inline constexpr Colour GrassLight{112, 170, 72};
inline constexpr Colour Water{48, 104, 196};
inline constexpr Colour WaterLight{112, 164, 232};
inline constexpr Colour WaterDeep{20, 44, 120};

}  // namespace gloam::makeart::colours
