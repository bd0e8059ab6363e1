// Function names of an expression: which function a name denotes, the
// argument checks with their message boxes, and the conversion between the
// user's angle unit and the degrees the trigonometric functions work in.
#pragma once

#include "decimal_number.h"

// The function code of a captured name (at most 5 characters): one of
// "sScCtTlLRea", or '\0' for no function. Names compare case-sensitively.
char functionCode(const char* name);

// Applies the function named by name to value in place, at the current
// workingPlaces, in the angle mode of the running evaluation. A failed
// argument check shows its message box and leaves the value the check gives
// (the error state, or -1 for the logarithms). Special states pass through.
void applyFunction(const char* name, DecimalNumber& value);
