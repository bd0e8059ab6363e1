// WorkingPlacesScope: sets the global working precision for the life of one
// block and puts the entry value back when the block is left, on every path.
#pragma once

#include "decimal_number.h"

struct WorkingPlacesScope {
    int saved;

    explicit WorkingPlacesScope(int places) : saved(workingPlaces) { workingPlaces = places; }
    ~WorkingPlacesScope() { workingPlaces = saved; }

    WorkingPlacesScope(const WorkingPlacesScope&) = delete;
    WorkingPlacesScope& operator=(const WorkingPlacesScope&) = delete;
};
