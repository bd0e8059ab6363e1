// sine, cosine and tangent in degrees: exact values, accuracy against bc
// digits, negative and huge angles, the infinity state of tangent, and the
// whole-turn remainder against removing one turn at a time.
#include "angle_reduction.h"
#include "function_test_support.h"
#include "reference_digits.h"

namespace {

const std::string kTenTo500 = "1" + std::string(500, '0');  // ≡ 280 (mod 360)
const std::string kTenTo998 = "1" + std::string(998, '0');  // ≡ 280 (mod 360)
const std::string kMinusSin80 = std::string("-") + reference::kSin80;
const std::string kMinusTan80 = std::string("-") + reference::kTan80;

const ResultCase kExact[] = {
    {"SineOf90", "Sine", "90", "", "1"},  // through the complement: cosine(0)
    {"CosineOf0", "Cosine", "0", "", "1"},
    {"SineOf0", "Sine", "0", "", "0"},
    {"CosineOf90", "Cosine", "90", "", "0"},
    {"SineOf180", "Sine", "180", "", "-0"},  // 0 with sign factor -1
    {"SineOf270", "Sine", "270", "", "-1"},
    {"SineOf360", "Sine", "360", "", "0"},  // two half turns
    {"CosineOf360", "Cosine", "360", "", "1"},
    {"CosineOf180", "Cosine", "180", "", "-1"},
    {"SineOfMinus90", "Sine", "-90", "", "-1"},
    {"TangentOf0", "Tangent", "0", "", "0"},
    {"TangentOf180", "Tangent", "180", "", "0"},
    // Where the cosine is exactly zero.
    {"TangentOf90", "Tangent", "90", "", "Infinity"},
    {"TangentOfMinus90", "Tangent", "-90", "", "Infinity"},
    {"TangentOf270", "Tangent", "270", "", "Infinity"},
    {"TangentOf90WithFractionDigits", "Tangent", "90.000", "", "Infinity"},
    {"TangentOf3690", "Tangent", "3690", "", "Infinity"},
};
INSTANTIATE_TEST_SUITE_P(Trigonometry, ExactText, testing::ValuesIn(kExact), CaseLabel());

const ResultCase kAccurate[] = {
    {"SineOf30", "Sine", "30", "", ".5", 54, 54},
    {"CosineOf60", "Cosine", "60", "", ".5", 54, 54},
    {"TangentOf45", "Tangent", "45", "", "1", 54, 54},
    {"SineOf400", "Sine", "400", "", reference::kSin40, 54, 54},
    {"SineOf100", "Sine", "100", "", reference::kSin80, 54, 54},
    {"SineOfMinus30", "Sine", "-30", "", "-.5", 54, 54},
    {"SineOfMinus60", "Sine", "-60", "", std::string("-") + reference::kSin60, 54, 54},
    {"SineOfMinus1000", "Sine", "-1000", "", reference::kSin80, 54, 54},
    {"CosineOfMinus1000", "Cosine", "-1000", "", reference::kCos80, 54, 54},
    {"TangentOfMinus100", "Tangent", "-100", "", reference::kTan80, 54, 52},
    // Huge angles lose their whole turns at once.
    {"SineOfTenTo500", "Sine", kTenTo500, "", kMinusSin80, 54, 54},
    {"TangentOfTenTo500", "Tangent", kTenTo500, "", kMinusTan80, 54, 52},
    {"SineOfMinusTenTo500", "Sine", "-" + kTenTo500, "", reference::kSin80, 54, 54},
    {"CosineOfTenTo998", "Cosine", kTenTo998, "", reference::kCos80, 54, 54},
    {"TangentOfMinusTenTo998", "Tangent", "-" + kTenTo998, "", reference::kTan80, 54, 52},
    {"SineOfLongFraction", "Sine", "." + std::string(999, '7'), "", reference::kSinSevenNinthsDegree, 54, 54},
};
INSTANTIATE_TEST_SUITE_P(Trigonometry, CloseToReference, testing::ValuesIn(kAccurate), CaseLabel());

// The whole turns come out in one remainder; the result must be the very
// value (sign, scale and digits) that taking one turn at a time leaves.
DecimalNumber removeTurnsOneAtATime(DecimalNumber a) {
    const DecimalNumber fullTurn = DecimalNumber::fromInt(360);
    while (a.greaterThan(fullTurn) || a.lessThan(DecimalNumber::fromInt(-360))) {
        a = a.isNegative() ? a.add(fullTurn) : a.subtract(fullTurn);
    }
    return a;
}

struct TurnCase {
    const char* label;
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
    {"TwoTurnsWithFractionZero", "720.0"},
    {"TwoTurnsAndAHalf", "720.5"},
    {"MinusThousand", "-1000"},
    {"MinusTurnAndAHalf", "-360.5"},
    {"LeadingZeros", "0001000.250"},
    {"NegativeLeadingZeros", "-00720.50"},
    {"OneTurnUnchanged", "360"},
    {"MinusOneTurnUnchanged", "-360.000"},
    {"InsideUnchanged", "0359.9990"},
    {"ManyTurnsTinyFraction", "98765.000000000000000000000000000001"},
    {"FractionBelowWholeTurn", "1080.0000001"},
};
INSTANTIATE_TEST_SUITE_P(Trigonometry, WholeTurns, testing::ValuesIn(kTurns), CaseLabel());

}  // namespace
