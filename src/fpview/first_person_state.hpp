// The first-person view's own state: the view angles, the radius of the drawn block, the last
// ViewOrigin that stood above solid ground, the GL names of the scene textures and the scene's workspace.
// The PlayerUnit's position is not here: it lives in its UnitRecord.
#pragma once
#include <array>

#include "fpview/visible_wall_faces.hpp"
#include "world/dungeon_grid.hpp"

namespace gloam::fpview {

inline constexpr int DefaultViewRadius = 14;
inline constexpr int SceneTextureCount = 32;

struct FirstPersonState {
  float viewYaw = 0.0f;                            // ViewYaw, degrees
  float viewPitch = 0.0f;                          // ViewPitch, degrees
  int viewRadius = DefaultViewRadius;              // ViewRadius: half the edge of the drawn block
  world::ViewOrigin lastGroundedOrigin{1, 1, 28};  // the last ViewOrigin found above a Wall cell
  // SceneTextures: GL texture names (GLuint), valid only in the context that made them.
  std::array<unsigned int, SceneTextureCount> sceneTextures{};
  VisibilityScratch visibility;  // the visible-face walk's workspace, reused every frame
};

}  // namespace gloam::fpview
