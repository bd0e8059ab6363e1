// sine, cosine and tangent in degrees: exact values, accuracy against
// reference digits, reductions of negative and huge angles, the infinity
// state of tangent, and the whole-turn remainder against single turns.
#include "angle_reduction.h"
#include "function_test_support.h"
#include "reference_digits.h"

namespace {

enum class Trig { Sine, Cosine, Tangent };

DecimalNumber apply(Trig f, const DecimalNumber& angle) {
    switch (f) {
        case Trig::Sine: return angle.sine();
        case Trig::Cosine: return angle.cosine();
        case Trig::Tangent: return angle.tangent();
    }
    return DecimalNumber::errorState();
}

const std::string kTenTo500 = "1" + std::string(500, '0');  // ≡ 280 (mod 360)

struct ExactTrigCase {
    const char* name;
    Trig function;
    const char* angle;
    const char* expectedText;
};

using ExactTrig = FunctionCaseTest<ExactTrigCase>;

TEST_P(ExactTrig, GivesExpectedText) {
    const ExactTrigCase& c = GetParam();
    workingPlaces = 54;
    const DecimalNumber result = apply(c.function, number(c.angle));
    EXPECT_EQ(result.toText(0), c.expectedText) << describe(result);
}

const ExactTrigCase kExactTrig[] = {
    {"SineOf90", Trig::Sine, "90", "1"},        // through the complement: cosine(0)
    {"CosineOf0", Trig::Cosine, "0", "1"},
    {"SineOf0", Trig::Sine, "0", "0"},
    {"CosineOf90", Trig::Cosine, "90", "0"},
    {"SineOf180", Trig::Sine, "180", "-0"},     // 0 with sign factor -1
    {"SineOf270", Trig::Sine, "270", "-1"},
    {"SineOf360", Trig::Sine, "360", "0"},      // two half turns
    {"CosineOf360", Trig::Cosine, "360", "1"},
    {"CosineOf180", Trig::Cosine, "180", "-1"},
    {"SineOfMinus90", Trig::Sine, "-90", "-1"},
    {"TangentOf0", Trig::Tangent, "0", "0"},
    {"TangentOf180", Trig::Tangent, "180", "0"},
};
INSTANTIATE_TEST_SUITE_P(Trigonometry, ExactTrig, testing::ValuesIn(kExactTrig), CaseName());

struct AccurateTrigCase {
    const char* name;
    Trig function;
    std::string angle;
    std::string reference;
    int tolerancePlaces;
};

using AccurateTrig = FunctionCaseTest<AccurateTrigCase>;

TEST_P(AccurateTrig, IsWithinToleranceAt54) {
    const AccurateTrigCase& c = GetParam();
    workingPlaces = 54;
    EXPECT_TRUE(isWithin(apply(c.function, number(c.angle)), c.reference.c_str(), c.tolerancePlaces));
    EXPECT_EQ(workingPlaces, 54);
}

const AccurateTrigCase kAccurateTrig[] = {
    {"SineOf30", Trig::Sine, "30", ".5", 54},
    {"CosineOf60", Trig::Cosine, "60", ".5", 54},
    {"TangentOf45", Trig::Tangent, "45", "1", 54},
    {"SineOf45", Trig::Sine, "45", reference::kSin45, 54},
    {"SineOf60", Trig::Sine, "60", reference::kSin60, 54},
    {"SineOf40", Trig::Sine, "40", reference::kSin40, 54},
    {"SineOf400", Trig::Sine, "400", reference::kSin40, 54},
    {"SineOf100", Trig::Sine, "100", reference::kSin80, 54},
    {"CosineOf100", Trig::Cosine, "100", std::string("-") + reference::kCos80, 54},
    {"SineOfMinus30", Trig::Sine, "-30", "-.5", 54},
    {"CosineOfMinus60", Trig::Cosine, "-60", ".5", 54},
    {"SineOfMinus60", Trig::Sine, "-60", std::string("-") + reference::kSin60, 54},
    {"SineOfMinus1000", Trig::Sine, "-1000", reference::kSin80, 54},
    {"CosineOfMinus1000", Trig::Cosine, "-1000", reference::kCos80, 54},
    {"TangentOfMinus100", Trig::Tangent, "-100", reference::kTan80, 52},
    {"TangentOf30", Trig::Tangent, "30", reference::kTan30, 54},
    {"SineOf1", Trig::Sine, "1", reference::kSin1, 54},
    {"CosineOf1", Trig::Cosine, "1", reference::kCos1, 54},
    {"SineOf123p456", Trig::Sine, "123.456", reference::kSin123p456, 54},
    {"SineOfTenTo500", Trig::Sine, kTenTo500, std::string("-") + reference::kSin80, 54},
    {"CosineOfTenTo500", Trig::Cosine, kTenTo500, reference::kCos80, 54},
    {"TangentOfTenTo500", Trig::Tangent, kTenTo500, std::string("-") + reference::kTan80, 52},
    {"SineOfMinusTenTo500", Trig::Sine, "-" + kTenTo500, reference::kSin80, 54},
};
INSTANTIATE_TEST_SUITE_P(Trigonometry, AccurateTrig, testing::ValuesIn(kAccurateTrig), CaseName());

TEST_F(FunctionTest, TangentWhereCosineIsExactlyZeroIsInfinity) {
    workingPlaces = 54;
    for (const char* angle : {"90", "270", "-90", "-270", "450", "90.000", "3690"}) {
        const DecimalNumber result = number(angle).tangent();
        EXPECT_TRUE(result.isInfinity()) << angle << ": " << describe(result);
        EXPECT_EQ(result.toText(0), "Infinity") << angle;
    }
}

// At 15 places the series stops at k = 13: sin 45° is right only to about 10^-14.
TEST_F(FunctionTest, SeriesLengthFollowsWorkingPlaces) {
    workingPlaces = 15;
    const DecimalNumber result = number("45").sine();
    EXPECT_TRUE(isWithin(result, reference::kSin45, 13));
    EXPECT_FALSE(isWithin(result, reference::kSin45, 15));
}

// The whole turns come out in one remainder; the result must be the very
// value (sign, scale and digits) that taking one turn at a time leaves.
DecimalNumber removeTurnsOneAtATime(DecimalNumber a) {
    const DecimalNumber fullTurn = DecimalNumber::fromInt(360);
    const DecimalNumber negativeFullTurn = DecimalNumber::fromInt(-360);
    while (a.greaterThan(fullTurn) || a.lessThan(negativeFullTurn)) {
        a = a.isNegative() ? a.add(fullTurn) : a.subtract(fullTurn);
    }
    return a;
}

struct TurnCase {
    const char* name;
    const char* angle;
};

using WholeTurns = FunctionCaseTest<TurnCase>;

TEST_P(WholeTurns, MatchOneTurnAtATime) {
    const DecimalNumber angle = number(GetParam().angle);
    const DecimalNumber fast = removeWholeTurns(angle);
    const DecimalNumber slow = removeTurnsOneAtATime(angle);
    EXPECT_TRUE(fast.equals(slow)) << describe(fast) << " vs " << describe(slow);
}

const TurnCase kTurns[] = {
    {"JustAboveTurn", "361"},
    {"TwoTurns", "720"},
    {"TwoTurnsWithFractionZero", "720.0"},
    {"TwoTurnsAndAHalf", "720.5"},
    {"Thousand", "1000.25"},
    {"MinusThousand", "-1000"},
    {"MinusTwoTurns", "-720"},
    {"MinusTurnAndAHalf", "-360.5"},
    {"LeadingZeros", "0001000.250"},
    {"NegativeLeadingZeros", "-00720.50"},
    {"OneTurnUnchanged", "360"},
    {"MinusOneTurnUnchanged", "-360.000"},
    {"InsideUnchanged", "0359.9990"},
    {"ManyTurns", "100000.5"},
    {"ManyTurnsTinyFraction", "98765.000000000000000000000000000001"},
    {"FractionBelowWholeTurn", "1080.0000001"},
};
INSTANTIATE_TEST_SUITE_P(Trigonometry, WholeTurns, testing::ValuesIn(kTurns), CaseName());

struct QuarterTurnCase {
    const char* name;
    const char* angle;
    const char* reduced;
    int signFactor;
};

using QuarterTurns = FunctionCaseTest<QuarterTurnCase>;

TEST_P(QuarterTurns, ReduceWithSignFactor) {
    const QuarterTurnCase& c = GetParam();
    const QuarterTurnAngle r = reduceToQuarterTurn(number(c.angle));
    EXPECT_TRUE(sameValue(r.reduced, number(c.reduced)));
    EXPECT_EQ(r.signFactor, c.signFactor);
}

const QuarterTurnCase kQuarterTurns[] = {
    {"Hundred", "100", "-80", -1},
    {"ThreeSixty", "360", "0", 1},
    {"Ninety", "90", "90", 1},
    {"MinusThousand", "-1000", "80", 1},
    {"TwoSeventy", "270", "90", -1},
    {"MinusHundred", "-100", "80", -1},
    {"TenTo29", "100000000000000000000000000000", "-80", 1},  // 280 → 100 → -80
};
INSTANTIATE_TEST_SUITE_P(Trigonometry, QuarterTurns, testing::ValuesIn(kQuarterTurns), CaseName());

}  // namespace
