// Mock top-down screens built from the painted tiles, to judge how the art reads at its real size:
// a dungeon corner with the mage, a few monsters and a walked path, and the whole sample overworld.
#include <algorithm>
#include <array>
#include <string_view>

#include "assets/catalogue.hpp"
#include "core/constants.hpp"
#include "makeart/picture_table.hpp"
#include "makeart/previews.hpp"
#include "world/cell_codes.hpp"

namespace gloam::makeart {
namespace {

constexpr int MockColumns = 40, MockRows = 30;

// The corner, screen rows top first: '=' wall, '<' floor, 'F' door, 'L' / 'M' stairs up / down,
// 'Z' chest, 'V' candelabrum, 'T' fountain, 'X' coffin, 'd' scrolls, 'b' bones, ' ' unhewn (black).
constexpr std::array<std::string_view, MockRows> Corner = {
    "========================================", "========================================",
    "==<<<<<<<<<<==========<<<<<<<<<<<<<=====", "==<V<<<<<<V<==========<<<<<<<<<<<<<=====",
    "==<<<<<<<<<<==========<<<Z<<<<<Z<<<=====", "==<<<<T<<<<<==========<<<<<<<<<<<<<=====",
    "==<<<<<<<<<<F<<<<<<<<<F<<<<<<<<<<<<=====", "==<<<<<<<<<<==========<<<<<<<<<<<<<=====",
    "==<V<<<<<<V<========<<<<<<<<<<<<<<<=====", "======F=============<<<<<<<<<<<<<<<=====",
    "======<=============<<<<<<<<<<<<<<<=====", "======<=============<<<<<L<<<<<<<<<=====",
    "======<=============<<<<<<<<<<<<<<<=====", "===<<<<<<<<<<=======<<<<<<<<<<<<<<<=====",
    "===<<<<<<<<<<=======<<<<<<<<<<<<<<<=====", "===<<X<<X<<X<=======F===================",
    "===<<<<<<<<<<=======<===================", "===<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<=====",
    "===<<<<<<<<<<=======<===========<<<<====", "===<<<<<<<<<<=======<===========<M<<====",
    "===<<d<<<<b<<=======<===========<<<<====", "===<<<<<<<<<<=======<===========<<<<====",
    "=============       <               ====", "=============       <<<<<<<<<<<<<<< ====",
    "=============                       ====", "========================================",
    "========================================", "========================================",
    "========================================", "========================================"};

struct MockUnit {
  int column, row;  // screen tile, row 0 at the top
  std::string_view file;
};

constexpr MockUnit Units[] = {{26, 13, "unit_mage.bmp"},
                              {7, 14, "unit_squeletton.bmp"},
                              {30, 4, "unit_giant_rat.bmp"},
                              {9, 3, "unit_green_slime.bmp"},
                              {33, 19, "unit_goblin.bmp"}};

std::string_view tileFile(char code) {
  switch (code) {
    case '=': return "wall.bmp";
    case '<': return "floor.bmp";
    case 'F': return "door.bmp";
    case 'L': return "stairsu.bmp";
    case 'M': return "stairsd.bmp";
    case 'Z': return "chest.bmp";
    case 'V': return "candelabrum.bmp";
    case 'T': return "fountain.bmp";
    case 'X': return "coffin.bmp";
    case 'd': return "scrolls.bmp";
    case 'b': return "floor_bones.bmp";
    default: return {};
  }
}

void pasteOpaque(Canvas& dst, const Canvas& src, int x, int y) {
  for (int j = 0; j < src.height; ++j)
    for (int i = 0; i < src.width; ++i) dst.set(x + i, y + j, src.at(i, j));
}

Canvas paintFile(std::string_view directory, std::string_view file) {
  const PictureSpec* spec = findPicture(directory, file);
  return spec ? paintPicture(*spec) : Canvas(TileSize, TileSize, {});
}

// Overworld codes name land slots of the same number (the top-down view's rule for them).
const PictureSpec* findPictureForCode(std::uint8_t code) {
  for (const assets::CatalogueEntry& entry : assets::catalogueEntries())
    if (entry.directory == "bmp_land" && entry.slot == code) return findPicture(entry.directory, entry.fileName);
  return nullptr;
}

void drawUnit(Canvas& mock, const MockUnit& u) {
  const int x = u.column * TileSize, y = u.row * TileSize;
  overlayKeyed(mock, paintFile("bmp_unit", u.file), x, y);
  line(mock, x, y - 1, x + 14, y - 1, {255, 0, 0});  // hit-point bar just above the tile
  line(mock, x, y - 1, x + 10, y - 1, {0, 255, 0});
}

}  // namespace

Canvas renderDungeonMock() {
  Canvas mock(MockColumns * TileSize, MockRows * TileSize, {});
  for (int row = 0; row < MockRows; ++row)
    for (int col = 0; col < MockColumns; ++col) {
      const std::string_view file = tileFile(Corner[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)]);
      if (!file.empty()) pasteOpaque(mock, paintFile("bmp_dungeon", file), col * TileSize, row * TileSize);
    }
  const Canvas road = paintFile("bmp_land", "road.bmp");
  for (int col = 20; col <= 26; ++col)
    overlayKeyed(mock, road, col * TileSize, 17 * TileSize);  // the path still to walk
  for (int row = 14; row <= 16; ++row) overlayKeyed(mock, road, 26 * TileSize, row * TileSize);
  overlayKeyed(mock, road, 26 * TileSize, 13 * TileSize);
  for (const MockUnit& u : Units) drawUnit(mock, u);
  return mock;
}

Canvas renderOverworldMock(const OverworldCells& cells) {
  constexpr int Scale = 4;  // each 16 x 16 tile reduced to 4 x 4 by averaging
  Canvas mock(GridSide * Scale, GridSide * Scale, {});
  std::array<Canvas*, 256> cache{};
  std::vector<Canvas> painted;
  painted.reserve(256);
  for (int y = 0; y < GridSide; ++y)
    for (int x = 0; x < GridSide; ++x) {
      const std::uint8_t code = cells[static_cast<std::size_t>(y) * GridSide + x];
      if (cache[code] == nullptr) {
        painted.push_back(Canvas(TileSize, TileSize, {}));
        if (const PictureSpec* spec = findPictureForCode(code)) painted.back() = paintPicture(*spec);
        cache[code] = &painted.back();
      }
      const Canvas& tile = *cache[code];
      const int top = (GridSide - 1 - y) * Scale;  // row 0 is drawn at the bottom
      for (int j = 0; j < Scale; ++j)
        for (int i = 0; i < Scale; ++i) {
          int r = 0, g = 0, b = 0;
          for (int v = 0; v < 4; ++v)
            for (int u = 0; u < 4; ++u) {
              const Colour p = tile.at(i * 4 + u, j * 4 + v);
              r += p.r, g += p.g, b += p.b;
            }
          mock.set(x * Scale + i, top + j,
                   {static_cast<std::uint8_t>(r / 16), static_cast<std::uint8_t>(g / 16),
                    static_cast<std::uint8_t>(b / 16)});
        }
    }
  return mock;
}

Canvas renderOverworldView(const OverworldCells& cells) {
  int sx = 0, sy = 0;  // the first village's surroundings, clamped to the map
  for (int i = 0; i < LevelSize; ++i)
    if (cells[static_cast<std::size_t>(i)] == cell::VillageB) {
      sx = std::clamp(i % GridSide - MockColumns / 2, 0, GridSide - MockColumns);
      sy = std::clamp(i / GridSide - MockRows / 2, 0, GridSide - MockRows);
      break;
    }
  Canvas view(MockColumns * TileSize, MockRows * TileSize, {});
  for (int j = 0; j < MockRows; ++j)
    for (int i = 0; i < MockColumns; ++i)
      if (const PictureSpec* spec = findPictureForCode(cells[static_cast<std::size_t>(sy + j) * GridSide + sx + i]))
        pasteOpaque(view, paintPicture(*spec), i * TileSize, (MockRows - 1 - j) * TileSize);  // row 0 at the bottom
  return view;
}

}  // namespace gloam::makeart
