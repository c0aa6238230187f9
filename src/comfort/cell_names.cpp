// The CellCodes by their names, for the console's result lines.
#include "comfort/cell_names.hpp"

#include "world/cell_codes.hpp"

namespace gloam::comfort {
namespace {

struct CellName {
  cell::Code code;
  std::string_view name;
};

constexpr CellName CellNames[] = {
    {cell::Empty, "Empty"},
    {cell::EnvBlock, "EnvBlock"},
    {cell::EnvGrass, "EnvGrass"},
    {cell::EnvDirt, "EnvDirt"},
    {cell::EnvCorner, "EnvCorner"},
    {cell::LandPlain, "LandPlain"},
    {cell::LandForest, "LandForest"},
    {cell::LandForestFruit, "LandForestFruit"},
    {cell::LandForestGray, "LandForestGray"},
    {cell::LandWater, "LandWater"},
    {cell::LandWaterDeep, "LandWaterDeep"},
    {cell::LandSwamp, "LandSwamp"},
    {cell::LandDesert, "LandDesert"},
    {cell::LandHills, "LandHills"},
    {cell::LandMountain, "LandMountain"},
    {cell::LandMountainHigh, "LandMountainHigh"},
    {cell::LandForestLeaf, "LandForestLeaf"},
    {cell::LandRoad, "LandRoad"},
    {cell::LandForestB, "LandForestB"},
    {cell::LandForestC, "LandForestC"},
    {cell::Floor, "Floor"},
    {cell::Wall, "Wall"},
    {cell::FloorMarble, "FloorMarble"},
    {cell::Door, "Door"},
    {cell::StairsUp, "StairsUp"},
    {cell::StairsDown, "StairsDown"},
    {cell::SourceComplete, "SourceComplete"},
    {cell::Source, "Source"},
    {cell::Spawn, "Spawn"},
    {cell::SpawnComplete, "SpawnComplete"},
    {cell::Trap, "Trap"},
    {cell::TrapDisabled, "TrapDisabled"},
    {cell::Fountain, "Fountain"},
    {cell::FountainDrank, "FountainDrank"},
    {cell::Candelabrum, "Candelabrum"},
    {cell::CandelabrumExtinct, "CandelabrumExtinct"},
    {cell::Coffin, "Coffin"},
    {cell::CoffinOpen, "CoffinOpen"},
    {cell::Chest, "Chest"},
    {cell::ChestOpen, "ChestOpen"},
    {cell::Scrolls, "Scrolls"},
    {cell::Circle, "Circle"},
    {cell::CircleAflamed, "CircleAflamed"},
    {cell::CircleGolden, "CircleGolden"},
    {cell::Altar, "Altar"},
    {cell::AltarDark, "AltarDark"},
    {cell::AltarJeweled, "AltarJeweled"},
    {cell::Torch, "Torch"},
    {cell::TemplateMark, "TemplateMark"},
    {cell::FloorBones, "FloorBones"},
    {cell::FloorBonesCleaned, "FloorBonesCleaned"},
    {cell::VillageB, "VillageB"},
    {cell::VillageBYellow, "VillageBYellow"},
    {cell::VillageBBlue, "VillageBBlue"},
    {cell::VillageBGreen, "VillageBGreen"},
    {cell::VillageBRed, "VillageBRed"},
    {cell::Ruin, "Ruin"},
    {cell::Castle, "Castle"},
    {cell::Grotto, "Grotto"},
    {cell::Mine, "Mine"},
    {cell::IronMine, "IronMine"},
    {cell::LandForestLeafB, "LandForestLeafB"},
    {cell::Well, "Well"},
    {cell::SourceB, "SourceB"},
    {cell::SourceRed, "SourceRed"},
    {cell::GearMechanism, "GearMechanism"},
    {cell::Lever, "Lever"},
};

}  // namespace

std::string_view cellName(std::uint8_t code) {
  for (const CellName& c : CellNames)
    if (c.code == code) return c.name;
  return {};
}

}  // namespace gloam::comfort
