// The process-wide evaluation context: the angle mode and the values of x, y
// and z of the evaluation that is running. evaluate sets it at the start of
// each evaluation; the operators and function application read it.
#pragma once

#include "decimal_number.h"

struct EvaluationContext {
    int angleMode = 1;  // non-zero: degrees; 0: radians
    DecimalNumber x;
    DecimalNumber y;
    DecimalNumber z;
};

extern EvaluationContext evaluationContext;
