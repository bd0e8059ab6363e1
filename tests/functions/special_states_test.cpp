// Every function passes an argument in the error, infinity or overflow
// state through unchanged.
#include "function_test_support.h"

namespace {

struct FunctionCase {
    const char* name;
    DecimalNumber (*apply)(const DecimalNumber&);
};

struct StateCase {
    const char* name;
    DecimalNumber (*make)();
};

const FunctionCase kFunctions[] = {
    {"SquareRoot", [](const DecimalNumber& x) { return x.squareRoot(); }},
    {"Exponential", [](const DecimalNumber& x) { return x.exponential(); }},
    {"PowerBase", [](const DecimalNumber& x) { return x.power(DecimalNumber::fromInt(2)); }},
    {"PowerFractionalBase", [](const DecimalNumber& x) { return x.power(DecimalNumber::fromText(".5")); }},
    {"PowerExponent", [](const DecimalNumber& x) { return DecimalNumber::fromInt(2).power(x); }},
    {"IntegerPower", [](const DecimalNumber& x) { return x.integerPower(3); }},
    {"NaturalLog", [](const DecimalNumber& x) { return x.naturalLog(); }},
    {"Log10", [](const DecimalNumber& x) { return x.log10(); }},
    {"Sine", [](const DecimalNumber& x) { return x.sine(); }},
    {"Cosine", [](const DecimalNumber& x) { return x.cosine(); }},
    {"Tangent", [](const DecimalNumber& x) { return x.tangent(); }},
    {"ArcSine", [](const DecimalNumber& x) { return x.arcSine(); }},
    {"ArcCosine", [](const DecimalNumber& x) { return x.arcCosine(); }},
    {"ArcTangent", [](const DecimalNumber& x) { return x.arcTangent(); }},
};

const StateCase kStates[] = {
    {"Error", &DecimalNumber::errorState},
    {"Infinity", &DecimalNumber::infinityState},
    {"Overflow", &DecimalNumber::overflowState},
};

using SpecialArgument = FunctionCaseTest<std::tuple<FunctionCase, StateCase>>;

TEST_P(SpecialArgument, PassesThroughUnchanged) {
    workingPlaces = 54;
    const auto& [function, state] = GetParam();
    const DecimalNumber argument = state.make();
    const DecimalNumber result = function.apply(argument);
    EXPECT_EQ(result.scale, argument.scale) << describe(result);
    EXPECT_EQ(workingPlaces, 54);
}

INSTANTIATE_TEST_SUITE_P(Functions, SpecialArgument,
                         testing::Combine(testing::ValuesIn(kFunctions), testing::ValuesIn(kStates)),
                         [](const testing::TestParamInfo<std::tuple<FunctionCase, StateCase>>& info) {
                             return std::string(std::get<0>(info.param).name) + "Of" +
                                    std::get<1>(info.param).name;
                         });

}  // namespace
