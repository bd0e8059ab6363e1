// The process-wide working precision of the computation.
#include "decimal_number.h"

int workingPlaces = 15;
