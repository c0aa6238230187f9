// The game's icon: a lit doorway in a stone arch under a dusk sky, painted at any square size for
// the desktop's hicolor theme and for the Windows icon file. Kept apart from the catalogue art,
// which the game itself reads.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "makeart/canvas.hpp"

namespace gloam::makeart {

// The sizes the desktop's hicolor theme gets, in pixels.
inline constexpr int GameIconSizes[] = {16, 32, 48, 64, 128, 256};

// The icon as a size x size picture; each pixel averages 4 x 4 samples of the shapes, so small
// sizes stay smooth.
Canvas paintGameIcon(int size);

// <outDir>/hicolor/<N>x<N>/apps/gloamdelve.png for every size; an empty string on success, else
// the first file that could not be written.
std::string writeGameIcons(const std::string& outDir);

// The side of the icon the game's window carries.
inline constexpr int WindowIconSide = 64;

// The window's icon as C++ for the windowed platform to compile in: the constants WindowIconSide
// and WindowIconRgb (RGB bytes, rows from the top).
std::string windowIconSource();

// Writes windowIconSource() to `path`; false when it cannot be written.
bool writeWindowIconSource(const std::string& path);

// The sizes the Windows icon file holds: the small ones Explorer and the Start menu show, and 256
// for large tiles.
inline constexpr int IcoSizes[] = {16, 24, 32, 48, 64, 256};

// One picture of an icon file: its edge in pixels and the bytes of a PNG file of that size.
struct IcoPicture {
  int size = 0;
  std::vector<std::uint8_t> png;
};

// The bytes of an .ico file holding `pictures` in that order (PNG-compressed entries).
std::vector<std::uint8_t> icoFile(const std::vector<IcoPicture>& pictures);

// The game icon at every IcoSizes size as an .ico file at `path`; false if it cannot be written.
bool writeGameIco(const std::string& path);

}  // namespace gloam::makeart
