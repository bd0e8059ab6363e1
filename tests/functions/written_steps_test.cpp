// Every digit the functions return, as "All Decimals" shows it: the result
// text must be exactly what the documented steps give (series lengths,
// iteration caps, thresholds, operand order), not merely close to the true
// value. Expected texts come from make_steps_digits.py.
#include "function_test_support.h"
#include "steps_digits.h"

namespace {

DecimalNumber apply(const steps::Case& c) {
    const DecimalNumber x = number(c.argument);
    const std::string f = c.function;
    if (f == "SquareRoot") return x.squareRoot();
    if (f == "Exponential") return x.exponential();
    if (f == "NaturalLog") return x.naturalLog();
    if (f == "Log10") return x.log10();
    if (f == "Sine") return x.sine();
    if (f == "Cosine") return x.cosine();
    if (f == "Tangent") return x.tangent();
    if (f == "ArcSine") return x.arcSine();
    if (f == "ArcCosine") return x.arcCosine();
    if (f == "ArcTangent") return x.arcTangent();
    if (f == "Power") return x.power(number(c.exponent));
    ADD_FAILURE() << "unknown function " << f;
    return DecimalNumber::errorState();
}

using WrittenSteps = FunctionCaseTest<steps::Case>;

TEST_P(WrittenSteps, GiveEveryDigit) {
    const steps::Case& c = GetParam();
    workingPlaces = c.places;
    const DecimalNumber result = apply(c);
    EXPECT_EQ(result.toText(0), c.expectedText) << describe(result);
    EXPECT_EQ(workingPlaces, c.places);
}

INSTANTIATE_TEST_SUITE_P(Functions, WrittenSteps, testing::ValuesIn(steps::kCases), CaseName());

}  // namespace
