// SineTable and CosineTable: entry i holds the sine or cosine of i/1000 degrees.
#pragma once
#include <memory>

namespace gloam::assets {

inline constexpr int TrigTableSize = 3600000;

struct TrigTables {
  std::unique_ptr<float[]> sine;    // SineTable, TrigTableSize entries once built
  std::unique_ptr<float[]> cosine;  // CosineTable
  bool built() const { return sine != nullptr && cosine != nullptr; }
};

// Allocates and fills both tables; does nothing if either already exists.
void buildTrigTables(TrigTables& tables);

// Releases the SineTable, then the CosineTable; either may already be absent.
void releaseTrigTables(TrigTables& tables);

}  // namespace gloam::assets
