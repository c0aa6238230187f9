// The SearchWorkspace: everything one path search works in (nodes, window marks, the direction
// and cell cost tables, the selection heap) and the code of its outcome. One workspace serves
// every search, one after another; it is allocated once and a search itself allocates nothing.
#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "core/constants.hpp"
#include "units/cell_cost_table.hpp"

namespace gloam::units {

// Marks of the window cells. Only WindowFree cells can receive a node.
inline constexpr std::uint8_t WindowFree = 0;
inline constexpr std::uint8_t WindowListed = 1;     // border cell, or a cell that already has a node
inline constexpr std::uint8_t WindowClosed = 9;     // its node was expanded
inline constexpr std::uint8_t WindowReserved = 11;  // the next step of a moving unit
inline constexpr std::uint8_t WindowOccupied = 12;  // a unit stands there

inline constexpr std::uint8_t NodeOpen = 0;
inline constexpr std::uint8_t NodeClosed = 9;

// The outcome of a search, as runPathSearch returns it and as searchResult keeps it. Start equal
// to goal is kept as StartIsGoal but returned as NoSearchNeeded, so the two never share a value.
enum class SearchCode : std::uint8_t {
  NotFound = 0,        // kept: the goal is not reached (yet); returned: the budget ran out first
  GoalReached = 1,     // kept and returned: the goal's node was selected
  StartIsGoal = 3,     // kept only: start and goal are one cell
  NoSearchNeeded = 4,  // returned only: start and goal are one cell, nothing was expanded
  NotReady = 5,        // returned only: no set-up has run since allocation
};

inline constexpr int WindowCapacity = GridSide * GridSide;  // nodes and window cells of the largest window
inline constexpr int DirectionCount = 8;

struct SearchWorkspace {
  // Search nodes, WindowCapacity each. Node 0 is always the start.
  std::unique_ptr<std::int16_t[]> nodeX;
  std::unique_ptr<std::int16_t[]> nodeY;
  std::unique_ptr<std::uint32_t[]> nodeParent;
  std::unique_ptr<std::uint8_t[]> nodeState;
  std::unique_ptr<float[]> nodeCost;

  std::int32_t startX = 0;
  std::int32_t startY = 0;
  std::int32_t goalX = 0;
  std::int32_t goalY = 0;
  std::int32_t windowX0 = 0;
  std::int32_t windowY0 = 0;
  std::int32_t windowSize = 0;

  std::array<std::int32_t, DirectionCount> dirDX{};
  std::array<std::int32_t, DirectionCount> dirDY{};
  std::array<float, DirectionCount> dirCost{};

  std::unique_ptr<std::uint8_t[]> windowGrid;  // indexed (row - windowY0) * windowSize + (column - windowX0)

  std::int32_t searchLevel = 0;
  std::int32_t currentNode = 0;
  std::int32_t lastNode = 0;
  std::int32_t firstOpen = 0;
  float bestCost = 0.0f;
  std::int32_t bestNode = 0;
  SearchCode searchResult = SearchCode::NotFound;
  std::int32_t goalNode = 0;
  std::uint8_t searchReady = 0;

  // Selection workspace. The heap holds every open node except the one being expanded (closed
  // nodes are dropped lazily when they reach the top), each as one key that orders by cost and
  // then newest first (open_node_selection.cpp); openScan is the lowest node index that may
  // still be open, so firstOpen is kept without rescanning closed nodes.
  std::unique_ptr<std::uint64_t[]> openHeap;
  std::int32_t openCount = 0;
  std::int32_t openScan = 0;

  CellCostTable cellCostTable;

  bool allocated() const { return nodeX != nullptr; }
};

// Allocates every array zeroed and builds the direction table. The CellCostTable is filled
// later by initCellCostTable.
void allocateSearchWorkspace(SearchWorkspace& ws);

// Frees every array that exists and leaves each pointer empty.
void releaseSearchWorkspace(SearchWorkspace& ws);

}  // namespace gloam::units
