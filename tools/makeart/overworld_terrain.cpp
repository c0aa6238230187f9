// Overworld terrain from three fields of fractal value noise: height (sea, lowland, hills,
// mountains), moisture (desert, plain, forest, swamp) and a slow field that picks the kind of forest.
#include <algorithm>
#include <cmath>

#include "core/constants.hpp"
#include "makeart/overworld_map.hpp"
#include "world/cell_codes.hpp"

namespace gloam::makeart {
namespace {

constexpr std::uint32_t MapSeed = 19;

// Smooth noise in [0, 1]: random values on a lattice of `spacing` cells, blended with smoothstep.
class NoiseLayer {
 public:
  NoiseLayer(Rng& rng, int spacing) : spacing_(spacing), side_(GridSide / spacing + 2), values_() {
    values_.resize(static_cast<std::size_t>(side_) * side_);
    for (double& v : values_) v = rng.below(10001) / 10000.0;
  }
  double at(int x, int y) const {
    const double fx = static_cast<double>(x) / spacing_, fy = static_cast<double>(y) / spacing_;
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const double tx = smooth(fx - ix), ty = smooth(fy - iy);
    const double top = lattice(ix, iy) + (lattice(ix + 1, iy) - lattice(ix, iy)) * tx;
    const double bottom = lattice(ix, iy + 1) + (lattice(ix + 1, iy + 1) - lattice(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
  }

 private:
  static double smooth(double t) { return t * t * (3 - 2 * t); }
  double lattice(int i, int j) const { return values_[static_cast<std::size_t>(j) * side_ + i]; }
  int spacing_, side_;
  std::vector<double> values_;
};

class FractalField {
 public:
  FractalField(Rng& rng, std::initializer_list<int> spacings) {
    for (int s : spacings) layers_.emplace_back(rng, s);
  }
  double at(int x, int y) const {  // octaves weighted 1, 1/2, 1/4 ..., normalised to [0, 1]
    double sum = 0, weight = 1, total = 0;
    for (const NoiseLayer& layer : layers_) {
      sum += layer.at(x, y) * weight;
      total += weight;
      weight *= 0.5;
    }
    return sum / total;
  }

 private:
  std::vector<NoiseLayer> layers_;
};

// Land rises away from the map's rim, so the world is a continent with sea around it.
double rimFalloff(int x, int y) {
  const int edge = std::min({x, y, GridSide - 1 - x, GridSide - 1 - y});
  return std::clamp(1.0 - edge / 40.0, 0.0, 1.0);
}

cell::Code forestKind(double kind) {
  static constexpr cell::Code Kinds[] = {cell::LandForestC,    cell::LandForestB,     cell::LandForest,
                                         cell::LandForestLeaf, cell::LandForestFruit, cell::LandForestLeafB,
                                         cell::LandForestGray};
  const int i = std::clamp(static_cast<int>(kind * 7.0), 0, 6);
  return Kinds[i];
}

// The value below which the given share of the samples lies.
double quantile(std::vector<double> samples, double share) {
  const auto nth = samples.begin() + static_cast<std::ptrdiff_t>(share * static_cast<double>(samples.size() - 1));
  std::nth_element(samples.begin(), nth, samples.end());
  return *nth;
}

// Thresholds come from shares of the map rather than fixed levels, so every seed gets a believable
// mix: about a third sea, a tenth hills and a tenth mountains, forests on the wetter half of the land.
struct Thresholds {
  double deep, shallow, hills, mountain, peak;  // on height
  double desert, forest, swamp;                 // on moisture
};

Thresholds thresholdsFor(const std::vector<double>& height, const std::vector<double>& moisture) {
  return {quantile(height, 0.24), quantile(height, 0.32),   quantile(height, 0.80),   quantile(height, 0.90),
          quantile(height, 0.96), quantile(moisture, 0.16), quantile(moisture, 0.50), quantile(moisture, 0.88)};
}

cell::Code classify(const Thresholds& t, double height, double moisture, double kind) {
  if (height < t.deep) return cell::LandWaterDeep;
  if (height < t.shallow) return cell::LandWater;
  if (height > t.peak) return cell::LandMountainHigh;
  if (height > t.mountain) return cell::LandMountain;
  if (height > t.hills) return moisture > t.swamp ? forestKind(kind) : cell::LandHills;
  if (moisture > t.swamp && height < (t.shallow + t.hills) / 2) return cell::LandSwamp;
  if (moisture < t.desert) return cell::LandDesert;
  if (moisture > t.forest) return forestKind(kind);
  return cell::LandPlain;
}

}  // namespace

OverworldCells makeOverworldTerrain(Rng& rng) {
  const FractalField heightField(rng, {64, 32, 16, 8, 4});
  const FractalField moistureField(rng, {64, 32, 16, 8, 4});
  const FractalField kindField(rng, {64, 32, 16});
  const FractalField warpX(rng, {32, 16, 8}), warpY(rng, {32, 16, 8});
  std::vector<double> height(LevelSize), moisture(LevelSize), kind(LevelSize);
  for (int y = 0; y < GridSide; ++y)
    for (int x = 0; x < GridSide; ++x) {
      const auto i = static_cast<std::size_t>(y) * GridSide + x;
      // Sampling through a warped grid bends the lattice's straight contours into ragged coasts.
      const int wx = std::clamp(x + static_cast<int>((warpX.at(x, y) - 0.5) * 40), 0, GridSide - 1);
      const int wy = std::clamp(y + static_cast<int>((warpY.at(x, y) - 0.5) * 40), 0, GridSide - 1);
      height[i] = heightField.at(wx, wy) - 0.35 * rimFalloff(x, y);
      moisture[i] = moistureField.at(wx, wy);
      kind[i] = kindField.at(x, y);
    }
  const Thresholds t = thresholdsFor(height, moisture);
  const double kindLow = quantile(kind, 0.02), kindHigh = quantile(kind, 0.98);
  OverworldCells cells(LevelSize);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const double k = std::clamp((kind[i] - kindLow) / (kindHigh - kindLow), 0.0, 0.999);
    cells[i] = classify(t, height[i], moisture[i], k);
  }
  return cells;
}

OverworldCells makeOverworldMap() {
  Rng rng;
  rng.seed(MapSeed);
  OverworldCells cells = makeOverworldTerrain(rng);
  placeSitesAndRoads(cells, rng);
  return cells;
}

}  // namespace gloam::makeart
