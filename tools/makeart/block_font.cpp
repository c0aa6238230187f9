// The glyph table of the block font: seven rows of five characters per glyph, '#' inked.
// Only the glyphs the tool needs exist; an unknown character advances without ink.
#include "makeart/block_font.hpp"

#include <array>

namespace gloam::makeart {
namespace {

struct Glyph {
  char ch;
  std::array<std::string_view, GlyphHeight> rows;
};

constexpr Glyph Glyphs[] = {
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {".###.", "#....", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "....#", ".###."}},
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."}},
};

const Glyph* findGlyph(char ch) {
  for (const Glyph& g : Glyphs)
    if (g.ch == ch) return &g;
  return nullptr;
}

}  // namespace

void drawBlockText(Canvas& c, int x, int y, std::string_view text, int scale, Colour ink) {
  for (char ch : text) {
    if (const Glyph* g = findGlyph(ch))
      for (int row = 0; row < GlyphHeight; ++row)
        for (int col = 0; col < GlyphWidth; ++col)
          if (g->rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] == '#')
            fillRect(c, x + col * scale, y + row * scale, scale, scale, ink);
    x += (GlyphWidth + 1) * scale;
  }
}

int blockTextWidth(std::string_view text, int scale) {
  return text.empty() ? 0 : static_cast<int>(text.size()) * (GlyphWidth + 1) * scale - scale;
}

}  // namespace gloam::makeart
