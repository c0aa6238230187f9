// The PathContext: the PathTable (every unit's stored route) and the one SearchWorkspace that
// finds those routes, allocated together at start-up and released together at shutdown.
// Operations take the part they need; only planning a move needs both.
#pragma once
#include "units/path_table.hpp"
#include "units/search_workspace.hpp"

namespace gloam::units {

struct PathContext {
  SearchWorkspace search;
  PathTable table;
  bool allocated() const { return search.allocated() || table.allocated(); }
};

inline void allocatePathContext(PathContext& ctx) {
  allocateSearchWorkspace(ctx.search);
  allocatePathTable(ctx.table);
}

// The workspace first, then the PathTable; either may already be absent.
inline void releasePathContext(PathContext& ctx) {
  releaseSearchWorkspace(ctx.search);
  releasePathTable(ctx.table);
}

}  // namespace gloam::units
