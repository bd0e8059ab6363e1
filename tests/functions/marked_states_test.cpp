// Every function passes an argument in the error, infinity or overflow
// state through unchanged.
#include "function_test_support.h"

namespace {

struct UseCase {
    const char* label;
    const char* function;
    const char* other = "";  // the operand that is not in a state
    bool stateIsExponent = false;
};

using SpecialArgument = FunctionCaseTest<UseCase>;

TEST_P(SpecialArgument, PassesEachStateThroughUnchanged) {
    const UseCase& c = GetParam();
    workingPlaces = 54;
    for (const DecimalNumber& state :
         {DecimalNumber::errorState(), DecimalNumber::infinityState(), DecimalNumber::overflowState()}) {
        const DecimalNumber other = number(c.other);
        const DecimalNumber result =
            c.stateIsExponent ? apply(c.function, other, state) : apply(c.function, state, other);
        EXPECT_EQ(result.scale, state.scale) << describe(result);
        EXPECT_EQ(workingPlaces, 54);
    }
}

const UseCase kUses[] = {
    {"SquareRoot", "SquareRoot"},
    {"Exponential", "Exponential"},
    {"PowerBase", "Power", "2"},
    {"PowerFractionalBase", "Power", ".5"},
    {"PowerExponent", "Power", "2", true},
    {"IntegerPower", "IntegerPower", "3"},
    {"NaturalLog", "NaturalLog"},
    {"Log10", "Log10"},
    {"Sine", "Sine"},
    {"Cosine", "Cosine"},
    {"Tangent", "Tangent"},
    {"ArcSine", "ArcSine"},
    {"ArcCosine", "ArcCosine"},
    {"ArcTangent", "ArcTangent"},
};
INSTANTIATE_TEST_SUITE_P(Functions, SpecialArgument, testing::ValuesIn(kUses), CaseLabel());

}  // namespace
