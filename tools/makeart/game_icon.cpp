// The icon is a function of position: u runs 0..1 left to right, v 0..1 top to bottom, and each
// layer (sky, moon, arch, doorway, glow, steps) decides the colour where it covers the point.
#include "makeart/game_icon.hpp"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "image/png_writer.hpp"
#include "makeart/canvas.hpp"
#include "makeart/palette.hpp"

namespace gloam::makeart {
namespace {

constexpr int Samples = 4;  // per axis, per pixel

constexpr Colour SkyTop{58, 36, 92};
constexpr Colour SkyBottom{14, 12, 30};
constexpr Colour Moon{246, 232, 176};
constexpr Colour DoorDark{22, 14, 12};
constexpr Colour Glow{255, 170, 64};

struct Arch {
  double halfWidth, springV, bottomV;  // a rectangle below springV capped by a half disc
  bool covers(double u, double v) const {
    const double du = u - 0.5;
    if (v > bottomV) return false;
    if (v >= springV) return std::abs(du) <= halfWidth;
    return du * du + (v - springV) * (v - springV) <= halfWidth * halfWidth;
  }
};

constexpr Arch Outline{0.40, 0.50, 1.01};
constexpr Arch Stonework{0.36, 0.50, 1.01};
constexpr Arch Doorway{0.19, 0.58, 1.01};

bool inMoon(double u, double v) {
  const auto inside = [](double u0, double v0, double r, double u1, double v1) {
    return (u1 - u0) * (u1 - u0) + (v1 - v0) * (v1 - v0) <= r * r;
  };
  return inside(0.83, 0.17, 0.11, u, v) && !inside(0.88, 0.13, 0.10, u, v);
}

// Blocks in courses, every other course shifted by half a block; each block has its own shade.
Colour stoneAt(double u, double v) {
  constexpr double Course = 0.125, Block = 0.2;
  const int row = static_cast<int>(std::floor(v / Course));
  const double shifted = u + (row % 2 ? Block / 2 : 0.0);
  const int column = static_cast<int>(std::floor(shifted / Block));
  const double inCourse = v / Course - row, inBlock = shifted / Block - column;
  if (inCourse < 0.12 || inBlock < 0.08) return colours::StoneDark;
  const double factor = 0.9 + 0.2 * (((row * 7 + column * 13) % 5) / 4.0);
  return shade(colours::StoneLight, factor);
}

// Darkness at the top of the doorway warming into firelight below, with three lit steps.
Colour doorwayAt(double u, double v) {
  const double depth = std::clamp((v - Doorway.springV + 0.1) / 0.5, 0.0, 1.0);
  const double centre = 1.0 - std::abs(u - 0.5) / Doorway.halfWidth;
  const Colour lit = mix(DoorDark, Glow, depth * depth * (0.55 + 0.45 * centre));
  for (double step : {0.76, 0.85, 0.94})
    if (v >= step && v < step + 0.03) return mix(lit, colours::FlameCore, 0.5);
  return lit;
}

Colour iconAt(double u, double v) {
  if (Doorway.covers(u, v)) return doorwayAt(u, v);
  if (Stonework.covers(u, v)) return stoneAt(u, v);
  if (Outline.covers(u, v)) return colours::Outline;
  if (inMoon(u, v)) return Moon;
  return mix(SkyTop, SkyBottom, v);
}

}  // namespace

Canvas paintGameIcon(int size) {
  Canvas canvas(size, size, SkyBottom);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int r = 0, g = 0, b = 0;
      for (int sy = 0; sy < Samples; ++sy) {
        for (int sx = 0; sx < Samples; ++sx) {
          const Colour c = iconAt((x + (sx + 0.5) / Samples) / size, (y + (sy + 0.5) / Samples) / size);
          r += c.r, g += c.g, b += c.b;
        }
      }
      constexpr int n = Samples * Samples;
      canvas.set(
          x, y, {static_cast<std::uint8_t>(r / n), static_cast<std::uint8_t>(g / n), static_cast<std::uint8_t>(b / n)});
    }
  }
  return canvas;
}

std::string writeGameIcons(const std::string& outDir) {
  namespace fs = std::filesystem;
  for (int size : GameIconSizes) {
    const std::string edge = std::to_string(size);
    const fs::path folder = fs::path(outDir) / "hicolor" / (edge + "x").append(edge) / "apps";
    std::error_code ec;
    fs::create_directories(folder, ec);
    const fs::path file = folder / "gloamdelve.png";
    const Canvas icon = paintGameIcon(size);
    if (ec || !image::writePng(file.string(), bottomUpRgb(icon), size, size, image::RowOrder::BottomFirst))
      return file.string();
  }
  return {};
}

std::string windowIconSource() {
  const Canvas icon = paintGameIcon(WindowIconSide);
  std::ostringstream out;
  out << "// Written by makeart --window-icon: the game's icon, RGB, rows from the top.\n"
      << "constexpr int WindowIconSide = " << WindowIconSide << ";\n"
      << "constexpr unsigned char WindowIconRgb[] = {\n";
  for (int y = 0; y < icon.height; ++y) {
    for (int x = 0; x < icon.width; ++x) {
      const Colour c = icon.at(x, y);
      out << int{c.r} << ',' << int{c.g} << ',' << int{c.b} << (x + 1 < icon.width ? "," : ",\n");
    }
  }
  out << "};\n";
  return out.str();
}

bool writeWindowIconSource(const std::string& path) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << windowIconSource();
  file.flush();
  return static_cast<bool>(file);
}

}  // namespace gloam::makeart
