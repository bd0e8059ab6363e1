// The function list shown by the Functions help window, one row per line.
#include "help_texts.h"

// The bound comes from the rows, so a missing or extra row does not compile
// against the count in the header.
const char* const functionListLines[] = {
    "",
    "FUNCTION INSTRUCTIONS:",
    "",
    "Enter or Enter\tFunction Description",
    "",
    "'sin'\t's'\tSine\t\tNote that function names must be lower case.",
    "'cos'\t'c'\tCosine\t\tParentheses are not required if the function",
    "'tan'\t't'\tTangent\t\tis followed directly by a number, as in",
    "'asin'\t'as'\tInverse-sine\tsin45. However, they are required if",
    "'acos'\t'ac'\tInverse-cosine\tanother operator, or function follows",
    "'atan'\t'at'\tInverse-tangent\tas in sin(-45).",
    "'sqrt'\t'sq'\tSquare root",
    "'abs'\t\tAbsolute value",
    "'ln'\t'l'\tNatural logarithm",
    "'log'\t\tLog to base 10",
    "'exp'\t'e'\te (natural log base) raised to power",
    "'x'y'\t\tsqrt(x^2+y^2)",
    "'y\\x'\t\tatan2(y,x)",
    "",
    "The radians-degrees radio buttons determine whether the arguments and results",
    "of the trigonometric functions are in degrees or radians.",
    "When entering multi letter functions, error messages may occur before the",
    "function name is completed.",
    "If the function argument is out of range, an appropriate error message",
    "is displayed.",
};
