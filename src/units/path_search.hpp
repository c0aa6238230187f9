// The path search of one unit, in three calls made in this order: beginPathSearch sets up the
// window, marks and start node; runPathSearch expands nodes until the goal is selected or the
// budget is spent; storePath copies the route found into the unit's PathTable share.
#pragma once
#include "units/path_expansion.hpp"
#include "units/path_search_setup.hpp"
#include "units/path_store.hpp"
