// The PathContext: the PathTable (every unit's stored route and cursor) and the one workspace that
// every path search runs in, one search after another. Allocated once at start-up, released at
// shutdown; a search itself allocates nothing.
#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "core/constants.hpp"

namespace gloam::units {

// Marks of the window cells. Only WindowFree cells can receive a node.
inline constexpr std::uint8_t WindowFree = 0;
inline constexpr std::uint8_t WindowListed = 1;     // border cell, or a cell that already has a node
inline constexpr std::uint8_t WindowClosed = 9;     // its node was expanded
inline constexpr std::uint8_t WindowReserved = 11;  // the next step of a moving unit
inline constexpr std::uint8_t WindowOccupied = 12;  // a unit stands there

inline constexpr std::uint8_t NodeOpen = 0;
inline constexpr std::uint8_t NodeClosed = 9;

inline constexpr std::int32_t NoPath = -9;  // pathCursor of a unit that must search before walking

// searchResult values.
inline constexpr std::uint8_t SearchNone = 0;
inline constexpr std::uint8_t SearchGoalReached = 1;
inline constexpr std::uint8_t SearchStartIsGoal = 3;

inline constexpr int WindowCapacity = GridSide * GridSide;  // nodes and window cells of the largest window
inline constexpr int DirectionCount = 8;

// The extra cost of entering a cell, one entry per CellCode.
struct CellCostTable {
  std::array<float, 256> cost{};
  float operator[](std::uint8_t code) const { return cost[code]; }
};

struct PathContext {
  // Search nodes, WindowCapacity each. Node 0 is always the start.
  std::unique_ptr<std::int16_t[]> nodeX;
  std::unique_ptr<std::int16_t[]> nodeY;
  std::unique_ptr<std::uint32_t[]> nodeParent;
  std::unique_ptr<std::uint8_t[]> nodeState;
  std::unique_ptr<float[]> nodeCost;

  // The PathTable: pathX and pathY hold PathStepsPerUnit entries per unit (unit u owns the
  // elements u*PathStepsPerUnit ..); the other arrays hold one entry per unit.
  std::unique_ptr<std::uint32_t[]> orderDestX;
  std::unique_ptr<std::uint32_t[]> orderDestY;
  std::unique_ptr<std::uint32_t[]> pathX;
  std::unique_ptr<std::uint32_t[]> pathY;
  std::unique_ptr<std::uint32_t[]> pathLength;
  std::unique_ptr<std::int32_t[]> pathCursor;

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
  std::int32_t dirOrder = 0;

  std::unique_ptr<std::uint8_t[]> windowGrid;  // indexed (row - windowY0) * windowSize + (column - windowX0)

  std::int32_t searchLevel = 0;
  std::int32_t currentNode = 0;
  std::int32_t lastNode = 0;
  std::int32_t firstOpen = 0;
  float bestCost = 0.0f;
  std::int32_t bestNode = 0;
  std::uint8_t searchResult = SearchNone;
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
  std::size_t pathIndex(int unit, int entry) const {
    return static_cast<std::size_t>(unit) * PathStepsPerUnit + static_cast<std::size_t>(entry);
  }
};

// Allocates every array zeroed, sets every unit's pathCursor to NoPath and builds the direction
// table. The CellCostTable is filled later by initCellCostTable.
void allocatePathContext(PathContext& ctx);

// Frees every array that exists, in field order, and leaves each pointer empty.
void releasePathContext(PathContext& ctx);

}  // namespace gloam::units
