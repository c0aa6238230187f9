// The contact sheet: the catalogue in load order, one labelled cell per entry. Tiles are shown 3x,
// textures 1x and the intro screen reduced, so that everything fits on one page.
#include <string>

#include "assets/catalogue.hpp"
#include "makeart/block_font.hpp"
#include "makeart/dungeon_ground.hpp"
#include "makeart/picture_table.hpp"
#include "makeart/previews.hpp"

namespace gloam::makeart {
namespace {

constexpr int CellWidth = 72, CellHeight = 84, PictureBox = 64, Columns = 16;
constexpr Colour SheetBackground{36, 34, 40};

// Keyed pictures are judged as the player sees them: over a dungeon floor.
Canvas asSeen(const PictureSpec& spec) {
  Canvas picture = paintPicture(spec);
  if (!spec.keyed) return picture;
  Canvas ground(picture.width, picture.height, {});
  Rng rng;
  paintFloor(ground, rng);
  overlayKeyed(ground, picture, 0, 0);
  return ground;
}

// Nearest-neighbour copy of `src` scaled by num/den into the box at (x, y).
void pasteScaled(Canvas& dst, const Canvas& src, int x, int y, int num, int den) {
  const int w = src.width * num / den, h = src.height * num / den;
  const int ox = x + (PictureBox - w) / 2, oy = y + (PictureBox - h) / 2;
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) dst.set(ox + i, oy + j, src.at(i * den / num, j * den / num));
}

}  // namespace

Canvas renderContactSheet() {
  const auto entries = assets::catalogueEntries();
  const int rows = (static_cast<int>(entries.size()) + Columns - 1) / Columns;
  Canvas sheet(Columns * CellWidth, rows * CellHeight, SheetBackground);
  int n = 0;
  for (const assets::CatalogueEntry& entry : entries) {
    const int x = (n % Columns) * CellWidth + 4, y = (n / Columns) * CellHeight + 4;
    ++n;
    drawBlockText(sheet, x, y + PictureBox + 3, std::to_string(entry.slot), 2, {230, 230, 220});
    const PictureSpec* spec = findPicture(entry.directory, entry.fileName);
    if (spec == nullptr) continue;  // shows as an empty cell with its number
    const Canvas picture = asSeen(*spec);
    const int scaleNum = picture.width <= 16 ? 3 : 1, scaleDen = picture.width > PictureBox ? 5 : 1;
    pasteScaled(sheet, picture, x, y, scaleNum, scaleDen);
  }
  return sheet;
}

}  // namespace gloam::makeart
