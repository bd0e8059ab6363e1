// squareRoot: exact forms from the band scaling and the iteration, accuracy
// against bc digits (also for 999-digit radicands), and negative radicands.
#include "function_test_support.h"
#include "reference_digits.h"

namespace {

const ResultCase kExact[] = {
    {"Zero", "SquareRoot", "0", "", "0"},
    {"NegativeZero", "SquareRoot", "-0", "", "0"},
    {"ZeroWithFractionDigits", "SquareRoot", "0.000", "", "0"},  // the single digit 0
    {"Hundredth", "SquareRoot", "0.01", "", ".1"},               // moved up to 1, root shifted one place
    {"Hundred", "SquareRoot", "100", "", "10"},                  // not scaled: the band includes 100
    {"TenToThe40", "SquareRoot", "1" + std::string(40, '0'), "", "1" + std::string(20, '0')},
    {"FourTenThousandths", "SquareRoot", "0.0004", "", ".02"},  // .04 has root .2, shifted one place
    {"NineHundredths", "SquareRoot", ".09", "", ".3"},
    {"SixAndAQuarter", "SquareRoot", "6.25", "", "2.5"},
    {"One", "SquareRoot", "1", "", "1"},
    {"NegativeIsError", "SquareRoot", "-4", "", "ERROR"},
    {"TinyNegativeIsError", "SquareRoot", "-.000001", "", "ERROR"},
};
INSTANTIATE_TEST_SUITE_P(SquareRoot, ExactText, testing::ValuesIn(kExact), CaseLabel());

// A large radicand keeps about workingPlaces + 3 correct significant digits,
// not fraction digits: the shift back moves the last correct digit.
const ResultCase kAccurate[] = {
    {"TwoAt15", "SquareRoot", "2", "", reference::kSqrt2, 15, 15},
    {"TwoAt21", "SquareRoot", "2", "", reference::kSqrt2, 21, 21},
    {"TwoAt54", "SquareRoot", "2", "", reference::kSqrt2, 54, 54},
    {"TwoHundredthsAt54", "SquareRoot", ".02", "", reference::kSqrtTwoHundredths, 54, 54},
    {"TwoTimesTenTo40", "SquareRoot", "2" + std::string(40, '0'), "", reference::kSqrt2, 54, 55, 20},
    {"Nines", "SquareRoot", kNines, "", reference::kSqrt10, 54, 50, 499},                         // sqrt 10 × 10^499
    {"TenToMinus999", "SquareRoot", kTenToMinus999 + "0", "", reference::kSqrt10, 54, 50, -500},  // 10^-499.5
};
INSTANTIATE_TEST_SUITE_P(SquareRoot, CloseToReference, testing::ValuesIn(kAccurate), CaseLabel());

}  // namespace
