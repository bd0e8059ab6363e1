// The constants that depend only on workingPlaces, made afresh on every use:
// linked in place of the kept constants to build the oracle of the function
// differential test.
#include "working_places_constants.h"

DecimalNumber eAtWorkingPlaces() { return DecimalNumber::fromInt(1).exponential(); }

DecimalNumber eToTheFifthAtWorkingPlaces() { return DecimalNumber::fromText(".2").exponential(); }

DecimalNumber lnTenAtWorkingPlaces() { return DecimalNumber::fromInt(10).naturalLog(); }
