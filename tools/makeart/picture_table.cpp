// Joins the art families' tables and paints one picture with an Rng seeded from its path, so a
// picture's pixels do not depend on which other pictures were painted before it.
#include "makeart/picture_table.hpp"

#include <cstdint>

namespace gloam::makeart {
namespace {

std::uint32_t pathSeed(std::string_view directory, std::string_view fileName) {
  std::uint32_t h = 2166136261u;  // FNV-1a
  auto feed = [&h](std::string_view s) {
    for (char ch : s) h = (h ^ static_cast<std::uint8_t>(ch)) * 16777619u;
  };
  feed(directory);
  feed("/");
  feed(fileName);
  return h;
}

}  // namespace

std::vector<PictureSpec> allPictures() {
  std::vector<PictureSpec> all;
  for (auto family :
       {dungeonGroundPictures(), dungeonFurniturePictures(), dungeonMagicPictures(), landTerrainPictures(),
        landSitePictures(), unitPeoplePictures(), unitCreaturePictures(), unitElementalPictures(), itemWeaponPictures(),
        itemWearPictures(), structurePictures(), cubeTexturePictures(), screenPictures()})
    all.insert(all.end(), family.begin(), family.end());
  return all;
}

const PictureSpec* findPicture(std::string_view directory, std::string_view fileName) {
  static const std::vector<PictureSpec> all = allPictures();
  for (const PictureSpec& spec : all)
    if (spec.directory == directory && spec.fileName == fileName) return &spec;
  return nullptr;
}

Canvas paintPicture(const PictureSpec& spec) {
  Canvas canvas(spec.width, spec.height, spec.keyed ? KeyColour : Colour{});
  Rng rng;
  rng.seed(pathSeed(spec.directory, spec.fileName));
  spec.paint(canvas, rng);
  return canvas;
}

}  // namespace gloam::makeart
