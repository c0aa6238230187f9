// One picture the tool paints: where it goes (art folder and file name), its size, and its painter.
// Each art family lists its pictures in its own table; picture_table joins them.
#pragma once
#include <span>
#include <string_view>

#include "core/rng.hpp"
#include "makeart/canvas.hpp"

namespace gloam::makeart {

using Painter = void (*)(Canvas&, Rng&);

struct PictureSpec {
  std::string_view directory;  // art folder, e.g. "bmp_dungeon"
  std::string_view fileName;   // e.g. "wall.bmp"
  int width;
  int height;
  bool keyed;  // starts as the key colour so that it draws over whatever lies below
  Painter paint;
};

inline constexpr int TileSide = 16;     // map tiles, unit and item pictures
inline constexpr int TextureSide = 64;  // first-person textures
inline constexpr int IntroWidth = 320;
inline constexpr int IntroHeight = 240;

std::span<const PictureSpec> dungeonGroundPictures();
std::span<const PictureSpec> dungeonFurniturePictures();
std::span<const PictureSpec> dungeonMagicPictures();
std::span<const PictureSpec> landTerrainPictures();
std::span<const PictureSpec> landSitePictures();
std::span<const PictureSpec> unitPeoplePictures();
std::span<const PictureSpec> unitCreaturePictures();
std::span<const PictureSpec> unitElementalPictures();
std::span<const PictureSpec> itemWeaponPictures();
std::span<const PictureSpec> itemWearPictures();
std::span<const PictureSpec> structurePictures();
std::span<const PictureSpec> cubeTexturePictures();
std::span<const PictureSpec> screenPictures();  // intro screen and cross-hair

}  // namespace gloam::makeart
