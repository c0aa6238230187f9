// The scene textures: 32 GL texture names per context, the first seven filled from the
// first-person pictures of the SpriteBank. Every new GL context needs a fresh upload.
#pragma once
#include "assets/sprite_bank.hpp"
#include "fpview/first_person_state.hpp"

namespace gloam::fpview {

inline constexpr int SceneTextureFirstSlot = 1200;
inline constexpr int SceneTextureImageCount = 7;  // entries 0..6 get pictures; 7..31 stay empty
inline constexpr int WallTextureEntry = 1;        // slot 1201: the face of every Wall cube

// Names 32 textures into state.sceneTextures and uploads slots 1200..1206 into entries 0..6
// (nearest filtering, three components, the default unpack alignment). Returns 1.
int uploadSceneTextures(FirstPersonState& state, const assets::SpriteBank& bank);

}  // namespace gloam::fpview
