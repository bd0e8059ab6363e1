// The arithmetic operations on stated examples: the values and the exact
// digit forms the displayed answers depend on, with division and remainder
// at both 15 and 54 working places.
#include "case_label.h"
#include "decimal_forms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Operation = DecimalNumber (DecimalNumber::*)(const DecimalNumber&) const;
const Operation kAdd = &DecimalNumber::add;
const Operation kSubtract = &DecimalNumber::subtract;
const Operation kMultiply = &DecimalNumber::multiply;
const Operation kDivide = &DecimalNumber::divide;
const Operation kRemainder = &DecimalNumber::remainder;

struct OperationCase {
    std::string label;
    Operation operation;
    std::string a;  // operand texts as typed
    std::string b;
    std::string shown;      // expected toText(0)
    std::string form = {};  // expected sign digits/scale; "" where only the text is stated
    int places = 15;        // workingPlaces in force
};

class Arithmetic : public testing::TestWithParam<OperationCase> {};

TEST_P(Arithmetic, GivesTheStatedForm) {
    const OperationCase& c = GetParam();
    WorkingPlacesScope places(c.places);
    const DecimalNumber a = textValue(c.a.c_str());
    const DecimalNumber result = (a.*c.operation)(textValue(c.b.c_str()));
    EXPECT_EQ(result.toText(0), c.shown);
    if (!c.form.empty()) {
        EXPECT_EQ(formOf(result), c.form);
    }
    EXPECT_EQ(formOf(a), formOf(textValue(c.a.c_str()))) << "receiver changed";
}

const OperationCase kAddSubtractCases[] = {
    {"CarryIntoNewDigit", kAdd, "999", "1", "1000", "+1000/0"},
    {"BorrowAcrossDigits", kSubtract, "1000", "1", "999", "+999/0"},
    {"SumOfScales", kAdd, "12.5", "7.25", "19.75", "+1975/2"},
    {"DifferenceOfScales", kSubtract, "12.5", "7.25", "5.25", "+525/2"},
    {"NegativeDifference", kSubtract, "7.25", "12.5", "-5.25", "-525/2"},
    {"BelowOneKeepsNoIntegerDigit", kSubtract, "1", ".001", ".999", "+999/3"},
    {"LeadingZeroMinusBare", kSubtract, "0.5", ".7", "-.2", "-2/1"},
    {"LeadingZeroMinusLeadingZero", kSubtract, "0.5", "0.7", "-.2", "-2/1"},
    {"EqualValuesOtherForms", kSubtract, "5.0", "5", ".0", "+0/1"},
    {"EqualRepresentations", kSubtract, "5", "5", "0", "+0/0"},
    {"MinusMinus", kSubtract, "-5", "5", "-10", "-10/0"},
    {"MinusNegative", kSubtract, "5", "-5", "10", "+10/0"},
    {"NegativePlusNegative", kAdd, "-5", "-5", "-10", "-10/0"},
    {"OppositesNegativeFirst", kAdd, "-5", "5", "0", "+0/0"},
    {"OppositesPositiveFirst", kAdd, "5", "-5", "0", "+0/0"},
    {"LeadingZerosKept", kAdd, "0.5", "0.3", "0.8", "+08/1"},
    {"NoIntegerDigits", kAdd, ".5", ".3", ".8", "+8/1"},
    {"ZeroPlusZero", kAdd, "0", "0", "0", "+0/0"},
    {"OperandLeadingZerosStay", kAdd, "007", "1", "008", "+008/0"},
    {"NegativeZeroPlusZero", kAdd, "-0", "0", "0", "+0/0"},
    {"EmptyPlusEmpty", kAdd, "", "", "0", "+/0"},
    {"LongCarryChain", kAdd, "99999999999999999999.99", ".01", "100000000000000000000.00",
     "+10000000000000000000000/2"},
};

const OperationCase kMultiplyCases[] = {
    {"Simple", kMultiply, "12", "3", "36", "+36/0"},
    {"CarriesEveryColumn", kMultiply, "99", "99", "9801", "+9801/0"},
    {"Fractions", kMultiply, "1.1", "1.1", "1.21", "+121/2"},
    {"LeadingZeroHalves", kMultiply, "0.5", "0.5", "0.25", "+025/2"},
    {"BareHalves", kMultiply, ".5", ".5", ".25", "+25/2"},
    {"TrailingZeroKept", kMultiply, "1.5", "-2", "-3.0", "-30/1"},
    {"NegativeTimesZero", kMultiply, "-3", "0", "0", "+0/0"},
    {"ZeroTimesNegative", kMultiply, "0", "-3", "0", "+0/0"},
    {"NegativeTimesNegative", kMultiply, "-3", "-3", "9", "+9/0"},
    {"MultiplierWithLeadingZero", kMultiply, "123.45", "0.001", "000.12345", "+00012345/5"},
    {"MultiplierWithoutIntegerDigit", kMultiply, "123.45", ".001", "00.12345", "+0012345/5"},
    {"CutNotRounded", kMultiply, "3.14159265358979", "2.71828182845904", "8.539734222673541815",
     "+8539734222673541815/18"},
    {"CutNotRoundedAt54", kMultiply, "3.14159265358979", "2.71828182845904", "8.5397342226735418150399772016",
     "+85397342226735418150399772016/28", 54},
    {"TenPlaceFractionsCutToEighteen", kMultiply, ".9999999999", ".9999999999", ".999999999800000000",
     "+999999999800000000/18"},
    {"ExactAtTheLimit", kMultiply, ".999999999", ".999999999", ".999999998000000001", "+999999998000000001/18"},
    {"SmallProductPadded", kMultiply, ".01", ".02", ".0002", "+0002/4"},
    {"EmptyMultiplicand", kMultiply, "", "45", "0", "+0/0"},
    {"EmptyMultiplier", kMultiply, "45", "", "0", "+0/0"},
    {"CutBelowAnyDigit", kMultiply, ".0000000001", ".0000000001", ".000000000000000000", "+000000000000000000/18"},
    // Long runs of nines carry through every column of the limb products
    // (too long to show: the form holds the digits).
    {"LongNinesSquared", kMultiply, std::string(4999, '9'), std::string(4999, '9'), "OVERFLOW",
     "+" + std::string(4998, '9') + "8" + std::string(4998, '0') + "1/0"},
    {"LongNinesByThreeNines", kMultiply, std::string(4997, '9'), "999", "OVERFLOW",
     "+998" + std::string(4994, '9') + "001/0"},
    // A fraction adds no integer position: 10^10000 (10,001 digits, as a sum
    // can make) times .5 stays within the 10,000 positions.
    {"PureFractionAddsNoIntegerPosition", kMultiply, "1" + std::string(10000, '0'), ".5", "OVERFLOW",
     "+5" + std::string(10000, '0') + "/1"},
};

std::string repeat(char c, int n) { return std::string(static_cast<std::size_t>(n), c); }

// Every division and remainder example at 15 and at 54 working places; a
// quotient has a budget of workingPlaces + 4 digits, cut, not rounded.
std::vector<OperationCase> divisionCases() {
    std::vector<OperationCase> cases;
    for (int places : {15, 54}) {
        const int budget = places + 4;
        const std::string sevenths = ".142857142857142857142857142857142857142857142857142857142857";
        const OperationCase atPlaces[] = {
            {"TenByFour", kDivide, "10", "4", "2.5"},
            {"ThousandByEight", kDivide, "1000", "8", "125", "+125/0"},
            {"SixByThree", kDivide, "6", "3", "2"},
            {"OnePointFiveByHalf", kDivide, "1.5", "0.5", "3"},
            {"HalfByQuarter", kDivide, "0.5", "0.25", "2"},
            {"OneByEight", kDivide, "1", "8", ".125"},
            {"OneByThousand", kDivide, "1", "1000", ".001"},
            {"MinusSevenByTwo", kDivide, "-7", "2", "-3.5"},
            {"MinusSevenByMinusTwo", kDivide, "-7", "-2", "3.5"},
            {"ZeroByMinusFive", kDivide, "0", "-5", "0", "+0/0"},
            {"ByOneThousandth", kDivide, "999999", "0.001", "999999000"},
            {"OneThird", kDivide, "1", "3", "." + repeat('3', budget - 1)},
            {"TwoThirdsCut", kDivide, "2", "3", "." + repeat('6', budget - 1)},
            {"HundredThirds", kDivide, "100", "3", "33." + repeat('3', budget - 3)},
            {"OneByThreeThousandths", kDivide, "1", "0.003", "333." + repeat('3', budget - 4)},
            {"ThousandthByThree", kDivide, "0.001", "3", ".000" + repeat('3', budget - 1)},
            {"LongByThree", kDivide, "12345678901234567890", "3", "4115226300411522630", "+4115226300411522630/0"},
            {"TenToTheTwentyNine", kDivide, "1" + repeat('0', 29), "1", "1" + repeat('0', 29)},
            {"TenToTheEighteen", kDivide, "1" + repeat('0', 18), "1", "1" + repeat('0', 18),
             "+1" + repeat('0', 18) + "/0"},
            {"DivisorWithLeadingZeros", kDivide, "1", "0007", sevenths.substr(0, static_cast<std::size_t>(budget))},
            {"SeventeenByFive", kRemainder, "17", "5", "2", "+2/0"},
            {"SeventyThreeBySeven", kRemainder, "73", "7", "3", "+3/0"},
            {"FiftyThreeByFive", kRemainder, "53", "5", "3", "+3/0"},
            {"ThousandByTen", kRemainder, "1000", "10", "0", "+0/0"},
            {"SmallerDividend", kRemainder, "3", "7", "3", "+3/0"},
            {"LongDividend", kRemainder, "123456789", "1000", "789", "+789/0"},
            {"FractionsTruncated", kRemainder, "7.9", "2.9", "1", "+1/0"},
            {"DivisorBelowOne", kRemainder, "5", "0.5", "ERROR", "+/-1"},
            {"DivisorFractionDropped", kRemainder, "5", "7.5", "5", "+5/0"},
            {"EqualOperands", kRemainder, "7", "7", "0", "+0/0"},
            {"ZeroAfterSubtractionThenDigits", kRemainder, "703", "7", "3", "+3/0"},
            {"LeadingZerosInDividend", kRemainder, "0073", "7", "3", "+3/0"},
            {"NegativeDividend", kRemainder, "-7", "2", "-1", "-1/0"},
            {"NegativeDivisor", kRemainder, "7", "-2", "1", "+1/0"},
            {"BothNegative", kRemainder, "-7", "-2", "-1", "-1/0"},
            {"NegativeExactMultiple", kRemainder, "-14", "7", "0", "+0/0"},
            {"FractionOnlyDividend", kRemainder, ".5", "3", "0", "+/0"},
            {"NegativeFractionOnlyDividend", kRemainder, "-.5", "3", "0", "+/0"},
            {"LongDivisor", kRemainder, "98765432109876543210", "1234567890123", "900036543210", "+900036543210/0"},
        };
        for (OperationCase c : atPlaces) {
            c.label += "At" + std::to_string(places);
            c.places = places;
            cases.push_back(c);
        }
    }
    const OperationCase atFifteen[] = {
        {"TwentyTwoSevenths", kDivide, "22", "7", "3.14285714285714285"},
        // An integer part longer than the budget keeps its magnitude with zeros.
        {"IntegerPartBeyondBudget", kDivide, "9876543210987654321098765", "1", "9876543210987654321000000"},
        {"TinyQuotient", kDivide, "1", "1" + repeat('0', 40), "." + repeat('0', 39) + "1"},
        {"ZeroDividendGivesThePlainZero", kDivide, "0.000", "-5", "0", "+0/0"},
        {"ByZeroIsAnError", kDivide, "5", "0.00", "ERROR", "+/-1"},
        {"ByEmptyZeroIsAnError", kDivide, "5", "", "ERROR", "+/-1"},
        {"NoBudgetGivesThePlainZero", kDivide, "7", "3", "0", "+0/0", -4},
    };
    cases.insert(cases.end(), std::begin(atFifteen), std::end(atFifteen));
    return cases;
}

INSTANTIATE_TEST_SUITE_P(AddSubtract, Arithmetic, testing::ValuesIn(kAddSubtractCases), CaseLabel());
INSTANTIATE_TEST_SUITE_P(Multiply, Arithmetic, testing::ValuesIn(kMultiplyCases), CaseLabel());
INSTANTIATE_TEST_SUITE_P(DivideRemainder, Arithmetic, testing::ValuesIn(divisionCases()), CaseLabel());

TEST(Magnitudes, WrappedDifferenceStartsWithNine) {
    EXPECT_EQ(formOf(DecimalNumber::subtractMagnitudes(textValue("5"), textValue("7"))), "+98/0");
    EXPECT_EQ(formOf(DecimalNumber::addMagnitudes(textValue("-0.5"), textValue("0.5"))), "+10/1");
}

TEST(Truncate, DropsDigitsAboveTheWorkingPlacesInPlace) {
    WorkingPlacesScope places(2);
    DecimalNumber value = textValue("1.23456789");
    EXPECT_EQ(formOf(value.truncateToWorkingPlaces()), "+123456/5");
    EXPECT_EQ(formOf(value), "+123456/5");
}

}  // namespace
