// Addition, subtraction and multiplication: values and the exact digit forms
// the displayed answers depend on.
#include "decimal_forms.h"

#include <gtest/gtest.h>

namespace {

enum class Op { Add, Subtract, Multiply };

struct ArithmeticCase {
    const char* name;
    Op op;
    const char* a;  // operand texts as typed
    const char* b;
    const char* form;  // expected sign digits/scale
    const char* shown; // expected toText(0)
    int places;        // workingPlaces in force
};

DecimalNumber apply(Op op, const DecimalNumber& a, const DecimalNumber& b) {
    switch (op) {
    case Op::Add: return a.add(b);
    case Op::Subtract: return a.subtract(b);
    case Op::Multiply: return a.multiply(b);
    }
    return DecimalNumber::errorState();
}

class Arithmetic : public testing::TestWithParam<ArithmeticCase> {};

TEST_P(Arithmetic, GivesTheStatedForm) {
    const ArithmeticCase& c = GetParam();
    WorkingPlacesScope places(c.places);
    const DecimalNumber a = textValue(c.a);
    const DecimalNumber b = textValue(c.b);
    const DecimalNumber result = apply(c.op, a, b);
    EXPECT_EQ(formOf(result), c.form);
    EXPECT_EQ(result.toText(0), c.shown);
    EXPECT_EQ(formOf(a), formOf(textValue(c.a))) << "receiver changed";
}

const ArithmeticCase kAddSubtractCases[] = {
    {"CarryIntoNewDigit", Op::Add, "999", "1", "+1000/0", "1000", 15},
    {"BorrowAcrossDigits", Op::Subtract, "1000", "1", "+999/0", "999", 15},
    {"SumOfScales", Op::Add, "12.5", "7.25", "+1975/2", "19.75", 15},
    {"DifferenceOfScales", Op::Subtract, "12.5", "7.25", "+525/2", "5.25", 15},
    {"NegativeDifference", Op::Subtract, "7.25", "12.5", "-525/2", "-5.25", 15},
    {"BelowOneKeepsNoIntegerDigit", Op::Subtract, "1", ".001", "+999/3", ".999", 15},
    {"LeadingZeroMinusBare", Op::Subtract, "0.5", ".7", "-2/1", "-.2", 15},
    {"LeadingZeroMinusLeadingZero", Op::Subtract, "0.5", "0.7", "-2/1", "-.2", 15},
    {"EqualValuesOtherForms", Op::Subtract, "5.0", "5", "+0/1", ".0", 15},
    {"EqualRepresentations", Op::Subtract, "5", "5", "+0/0", "0", 15},
    {"MinusMinus", Op::Subtract, "-5", "5", "-10/0", "-10", 15},
    {"MinusNegative", Op::Subtract, "5", "-5", "+10/0", "10", 15},
    {"NegativePlusNegative", Op::Add, "-5", "-5", "-10/0", "-10", 15},
    {"OppositesNegativeFirst", Op::Add, "-5", "5", "+0/0", "0", 15},
    {"OppositesPositiveFirst", Op::Add, "5", "-5", "+0/0", "0", 15},
    {"LeadingZerosKept", Op::Add, "0.5", "0.3", "+08/1", "0.8", 15},
    {"NoIntegerDigits", Op::Add, ".5", ".3", "+8/1", ".8", 15},
    {"ZeroPlusZero", Op::Add, "0", "0", "+0/0", "0", 15},
    {"OperandLeadingZerosStay", Op::Add, "007", "1", "+008/0", "008", 15},
    {"NegativeZeroPlusZero", Op::Add, "-0", "0", "+0/0", "0", 15},
    {"EmptyPlusEmpty", Op::Add, "", "", "+/0", "0", 15},
    {"LongCarryChain", Op::Add, "99999999999999999999.99", ".01", "+10000000000000000000000/2",
     "100000000000000000000.00", 15},
};

const ArithmeticCase kMultiplyCases[] = {
    {"Simple", Op::Multiply, "12", "3", "+36/0", "36", 15},
    {"CarriesEveryColumn", Op::Multiply, "99", "99", "+9801/0", "9801", 15},
    {"Fractions", Op::Multiply, "1.1", "1.1", "+121/2", "1.21", 15},
    {"LeadingZeroHalves", Op::Multiply, "0.5", "0.5", "+025/2", "0.25", 15},
    {"BareHalves", Op::Multiply, ".5", ".5", "+25/2", ".25", 15},
    {"TrailingZeroKept", Op::Multiply, "1.5", "-2", "-30/1", "-3.0", 15},
    {"NegativeTimesZero", Op::Multiply, "-3", "0", "+0/0", "0", 15},
    {"ZeroTimesNegative", Op::Multiply, "0", "-3", "+0/0", "0", 15},
    {"NegativeTimesNegative", Op::Multiply, "-3", "-3", "+9/0", "9", 15},
    {"MultiplierWithLeadingZero", Op::Multiply, "123.45", "0.001", "+00012345/5", "000.12345", 15},
    {"MultiplierWithoutIntegerDigit", Op::Multiply, "123.45", ".001", "+0012345/5", "00.12345", 15},
    {"CutNotRounded", Op::Multiply, "3.14159265358979", "2.71828182845904", "+8539734222673541815/18",
     "8.539734222673541815", 15},
    {"CutNotRoundedAt54", Op::Multiply, "3.14159265358979", "2.71828182845904", "+85397342226735418150399772016/28",
     "8.5397342226735418150399772016", 54},
    {"TenPlaceFractionsCutToEighteen", Op::Multiply, ".9999999999", ".9999999999", "+999999999800000000/18",
     ".999999999800000000", 15},
    {"ExactAtTheLimit", Op::Multiply, ".999999999", ".999999999", "+999999998000000001/18",
     ".999999998000000001", 15},
    {"SmallProductPadded", Op::Multiply, ".01", ".02", "+0002/4", ".0002", 15},
    {"EmptyMultiplicand", Op::Multiply, "", "45", "+0/0", "0", 15},
    {"EmptyMultiplier", Op::Multiply, "45", "", "+0/0", "0", 15},
    {"CutBelowAnyDigit", Op::Multiply, ".0000000001", ".0000000001", "+000000000000000000/18",
     ".000000000000000000", 15},
};

INSTANTIATE_TEST_SUITE_P(AddSubtract, Arithmetic, testing::ValuesIn(kAddSubtractCases),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Multiply, Arithmetic, testing::ValuesIn(kMultiplyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Magnitudes, WrappedDifferenceStartsWithNine) {
    const DecimalNumber wrapped = DecimalNumber::subtractMagnitudes(textValue("5"), textValue("7"));
    EXPECT_EQ(formOf(wrapped), "+98/0");
    EXPECT_EQ(formOf(DecimalNumber::addMagnitudes(textValue("-0.5"), textValue("0.5"))), "+10/1");
}

TEST(Magnitudes, TrialSubtractionComparesWithinOneDigit) {
    const DecimalNumber divisor = textValue("37");
    EXPECT_TRUE(textValue("37").magnitudeAtLeast(divisor));
    EXPECT_TRUE(textValue("369").magnitudeAtLeast(divisor));
    EXPECT_TRUE(textValue("037").magnitudeAtLeast(divisor));
    EXPECT_FALSE(textValue("36").magnitudeAtLeast(divisor));
    EXPECT_FALSE(textValue("03").magnitudeAtLeast(divisor));
}

TEST(Truncate, DropsDigitsAboveTheWorkingPlaces) {
    WorkingPlacesScope places(2);
    DecimalNumber value = textValue("1.23456789");
    EXPECT_EQ(formOf(value.truncateToWorkingPlaces()), "+123456/5");
    EXPECT_EQ(formOf(value), "+123456/5");
}

} // namespace
