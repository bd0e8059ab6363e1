// arcSine, arcCosine and arcTangent in degrees: exact values, accuracy
// against reference digits, the reflection and reciprocal paths, and
// arguments outside [-1, 1].
#include "function_test_support.h"
#include "reference_digits.h"

namespace {

enum class Inverse { ArcSine, ArcCosine, ArcTangent };

DecimalNumber apply(Inverse f, const DecimalNumber& x) {
    switch (f) {
        case Inverse::ArcSine: return x.arcSine();
        case Inverse::ArcCosine: return x.arcCosine();
        case Inverse::ArcTangent: return x.arcTangent();
    }
    return DecimalNumber::errorState();
}

struct ExactInverseCase {
    const char* name;
    Inverse function;
    const char* argument;
    const char* expectedText;
};

using ExactInverse = FunctionCaseTest<ExactInverseCase>;

TEST_P(ExactInverse, GivesExpectedText) {
    const ExactInverseCase& c = GetParam();
    workingPlaces = 54;
    const DecimalNumber result = apply(c.function, number(c.argument));
    EXPECT_EQ(result.toText(0), c.expectedText) << describe(result);
}

const ExactInverseCase kExactInverses[] = {
    {"ArcSineOfOne", Inverse::ArcSine, "1", "90"},  // reflection leaves 0
    {"ArcSineOfMinusOne", Inverse::ArcSine, "-1", "-90"},
    {"ArcSineOfZero", Inverse::ArcSine, "0", "0"},
    {"ArcCosineOfZero", Inverse::ArcCosine, "0", "90"},
    {"ArcCosineOfOne", Inverse::ArcCosine, "1", "0"},
    {"ArcCosineOfMinusOne", Inverse::ArcCosine, "-1", "180"},
    {"ArcTangentOfZero", Inverse::ArcTangent, "0", "0"},
};
INSTANTIATE_TEST_SUITE_P(InverseTrigonometry, ExactInverse, testing::ValuesIn(kExactInverses), CaseName());

struct AccurateInverseCase {
    const char* name;
    Inverse function;
    std::string argument;
    std::string reference;
    int tolerancePlaces;
};

using AccurateInverse = FunctionCaseTest<AccurateInverseCase>;

TEST_P(AccurateInverse, IsWithinToleranceAt54) {
    const AccurateInverseCase& c = GetParam();
    workingPlaces = 54;
    EXPECT_TRUE(isWithin(apply(c.function, number(c.argument)), c.reference.c_str(), c.tolerancePlaces));
    EXPECT_EQ(workingPlaces, 54);
}

// Results in degrees up to 180 carry about workingPlaces - 1 correct places.
const AccurateInverseCase kAccurateInverses[] = {
    {"ArcSineOfHalf", Inverse::ArcSine, ".5", "30", 53},
    {"ArcSineOfMinusHalf", Inverse::ArcSine, "-.5", "-30", 53},
    {"ArcSineOfPointEight", Inverse::ArcSine, ".8", reference::kArcSin0p8, 53},  // reflection
    {"ArcSineOfPointThree", Inverse::ArcSine, ".3", reference::kArcSin0p3, 53},
    {"ArcSineOfPoint707", Inverse::ArcSine, ".707", reference::kArcSin0p707, 53},  // not reflected
    {"ArcSineOfPoint999", Inverse::ArcSine, ".999", reference::kArcSin0p999, 50},
    {"ArcCosineOfHalf", Inverse::ArcCosine, ".5", "60", 53},
    {"ArcCosineOfPointThree", Inverse::ArcCosine, ".3", reference::kArcCos0p3, 53},
    {"ArcTangentOfOne", Inverse::ArcTangent, "1", "45", 53},
    {"ArcTangentOfMinusOne", Inverse::ArcTangent, "-1", "-45", 53},
    {"ArcTangentOfTwo", Inverse::ArcTangent, "2", reference::kArcTan2, 53},       // reciprocal
    {"ArcTangentOfSmall", Inverse::ArcTangent, ".05", reference::kArcTan0p05, 53},
    {"ArcTangentOfTenTo30", Inverse::ArcTangent, "1" + std::string(30, '0'), reference::kArcTan1e30, 53},
    {"ArcTangentOfMinusTenTo30", Inverse::ArcTangent, "-1" + std::string(30, '0'),
     std::string("-") + reference::kArcTan1e30, 53},
};
INSTANTIATE_TEST_SUITE_P(InverseTrigonometry, AccurateInverse, testing::ValuesIn(kAccurateInverses), CaseName());

TEST_F(FunctionTest, ArcTangentOfVeryLargeNumberIsCloseToNinety) {
    workingPlaces = 54;
    const DecimalNumber result = number("1" + std::string(100, '0')).arcTangent();
    EXPECT_TRUE(isWithin(result, "90", 53));
    EXPECT_FALSE(result.greaterThan(DecimalNumber::fromInt(90)));
}

TEST_F(FunctionTest, ArcSineAndArcCosineOutsideUnitRangeAreError) {
    workingPlaces = 54;
    for (const char* x : {"1.0000000001", "-1.5", "2", "123456789"}) {
        EXPECT_TRUE(number(x).arcSine().isError()) << x;
        EXPECT_TRUE(number(x).arcCosine().isError()) << x;
    }
}

}  // namespace
