// arcSine, arcCosine and arcTangent in degrees: exact values, accuracy
// against bc digits, the reflection and reciprocal paths, very large and
// long arguments, and arguments outside [-1, 1].
#include "function_test_support.h"
#include "reference_digits.h"

namespace {

const ResultCase kExact[] = {
    {"ArcSineOfOne", "ArcSine", "1", "", "90"},  // reflection leaves 0
    {"ArcSineOfMinusOne", "ArcSine", "-1", "", "-90"},
    {"ArcSineOfZero", "ArcSine", "0", "", "0"},
    {"ArcCosineOfZero", "ArcCosine", "0", "", "90"},
    {"ArcCosineOfOne", "ArcCosine", "1", "", "0"},
    {"ArcCosineOfMinusOne", "ArcCosine", "-1", "", "180"},
    {"ArcTangentOfZero", "ArcTangent", "0", "", "0"},
    {"ArcSineJustAboveOneIsError", "ArcSine", "1.0000000001", "", "ERROR"},
    {"ArcSineOfNinesIsError", "ArcSine", kNines, "", "ERROR"},
    {"ArcCosineJustAboveOneIsError", "ArcCosine", "1.0000000001", "", "ERROR"},
    {"ArcCosineBelowMinusOneIsError", "ArcCosine", "-1.5", "", "ERROR"},
    {"ArcCosineOfLargeNumberIsError", "ArcCosine", "123456789", "", "ERROR"},
};
INSTANTIATE_TEST_SUITE_P(InverseTrigonometry, ExactText, testing::ValuesIn(kExact), CaseLabel());

// Results in degrees up to 180 carry about workingPlaces - 1 correct places.
const ResultCase kAccurate[] = {
    {"ArcSineOfHalf", "ArcSine", ".5", "", "30", 54, 53},
    {"ArcSineOfMinusHalf", "ArcSine", "-.5", "", "-30", 54, 53},
    {"ArcSineOfPointEight", "ArcSine", ".8", "", reference::kArcSin0p8, 54, 53},    // reflected
    {"ArcSineOfPoint707", "ArcSine", ".707", "", reference::kArcSin0p707, 54, 53},  // not reflected
    {"ArcCosineOfHalf", "ArcCosine", ".5", "", "60", 54, 53},
    {"ArcTangentOfOne", "ArcTangent", "1", "", "45", 54, 53},
    {"ArcTangentOfMinusOne", "ArcTangent", "-1", "", "-45", 54, 53},
    {"ArcTangentOfTenTo30", "ArcTangent", kTenTo30, "", reference::kArcTan1e30, 54, 53},  // reciprocal
    {"ArcTangentOfMinusTenTo30", "ArcTangent", "-" + kTenTo30, "", std::string("-") + reference::kArcTan1e30, 54, 53},
    {"ArcTangentOfTenTo100", "ArcTangent", "1" + std::string(100, '0'), "", "90", 54, 53},
    {"ArcTangentOfNines", "ArcTangent", kNines, "", "90", 54, 53},
    {"ArcTangentOfMinusNines", "ArcTangent", "-" + kNines, "", "-90", 54, 53},
    {"ArcTangentOfTenToMinus999", "ArcTangent", kTenToMinus999, "", "0", 54, 54},
    // 1 - a·a cuts to 10^-57 before the square root: close to 90, not exact.
    {"ArcSineOfLongFraction", "ArcSine", kLongFraction, "", "90", 54, 20},
    {"ArcCosineOfLongFraction", "ArcCosine", kLongFraction, "", "0", 54, 20},
};
INSTANTIATE_TEST_SUITE_P(InverseTrigonometry, CloseToReference, testing::ValuesIn(kAccurate), CaseLabel());

}  // namespace
