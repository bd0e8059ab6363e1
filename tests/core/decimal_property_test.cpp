// Randomized checks of add, subtract, multiply and divide against exact
// arithmetic on the operands' values, at 15 and 54 working places.
// Operands come in every legal form; seeds are fixed, so runs repeat exactly.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "big_rational.h"
#include "decimal_forms.h"
#include "decimal_number.h"
#include "random_decimals.h"

namespace {

enum class Operation { Add, Subtract, Multiply, Divide };

struct PropertyCase {
    const char* name;
    Operation operation;
    int places;          // workingPlaces for the case
    std::uint32_t seed;
    int pairs;
    int longOneIn;       // about one operand in this many is ~560 digits
};

bool sameForm(const DecimalNumber& a, const DecimalNumber& b) {
    return a.sign == b.sign && a.scale == b.scale && a.digits == b.digits;
}

// The digit string of a non-negative integer, left-padded with zeros to
// `width` digits; "" for zero when width is 0.
std::vector<std::uint8_t> digitsOf(const BigInteger& x, int width) {
    std::vector<std::uint8_t> digits;
    if (!isZero(x)) {
        for (char c : toDecimalString(absoluteValue(x))) digits.push_back(static_cast<std::uint8_t>(c - '0'));
    }
    if (static_cast<int>(digits.size()) < width) {
        digits.insert(digits.begin(), static_cast<std::size_t>(width) - digits.size(), 0);
    }
    return digits;
}

int leadingZeroCount(const DecimalNumber& x) {
    int count = 0;
    while (count < static_cast<int>(x.digits.size()) && x.digits[count] == 0) ++count;
    return count;
}

// What add or subtract must return, digit for digit. The value is exact and
// the scale is the larger operand scale. The digit count follows from the
// magnitude routine the signs select: a sum of magnitudes has n + 1 digits
// (n the longer aligned length) less a leading 0 carry; a difference of
// magnitudes loses its leading zeros down to the scale and one digit.
// Subtracting an identical representation gives the single digit 0.
DecimalNumber expectedSumOrDifference(const DecimalNumber& a, const DecimalNumber& b, bool subtracting) {
    if (subtracting && sameForm(a, b)) return DecimalNumber::fromInt(0);
    ExactDecimal ea = exactValueOf(a);
    ExactDecimal eb = exactValueOf(b);
    ExactDecimal value = subtracting ? subtract(ea, eb) : add(ea, eb);
    int common = a.scale > b.scale ? a.scale : b.scale;
    BigInteger numerator = numeratorAtScale(value, common);
    int alignedA = static_cast<int>(a.digits.size()) + common - a.scale;
    int alignedB = static_cast<int>(b.digits.size()) + common - b.scale;
    int longer = alignedA > alignedB ? alignedA : alignedB;
    bool sameSigns = a.sign == b.sign;
    bool addsMagnitudes = subtracting ? !sameSigns : sameSigns;
    int count;
    if (addsMagnitudes) {
        count = compareMagnitudes(numerator, powerOfTen(longer)) >= 0 ? longer + 1 : longer;
    } else {
        count = decimalDigitCount(numerator);
        if (count < common) count = common;
        if (count < 1) count = 1;
    }
    DecimalNumber expected;
    expected.sign = numerator.negative ? '-' : '+';
    expected.scale = common;
    expected.digits = digitsOf(numerator, count);
    return expected;
}

// What divide must return, digit for digit, from the exact quotient. The
// long division makes workingPlaces + 4 steps from the dividend's first
// digit (leading zeros stripped), so its digits Q are the true quotient
// |a ÷ b| cut towards zero at e fraction digits, where
//   e = nD - nN - 1 + sN - sD + workingPlaces + 4,
// and Q has exactly workingPlaces + 4 digits with leading zeros. Then a
// negative e is made up with trailing zeros at scale 0, the digits cover the
// scale, trailing fraction zeros go, and one leading 0 goes when there is an
// integer digit. A quotient with no non-zero digit is the single digit 0.
DecimalNumber expectedQuotient(const DecimalNumber& a, const DecimalNumber& b, int places) {
    int budget = places + 4;
    if (a.isZero()) return DecimalNumber::fromInt(0);
    int nN = static_cast<int>(a.digits.size()) - leadingZeroCount(a);
    int nD = static_cast<int>(b.digits.size()) - leadingZeroCount(b);
    int e = nD - nN - 1 + a.scale - b.scale + budget;
    // |a ÷ b| × 10^e = |numA| × 10^(e - sN + sD) ÷ |numB|, and that exponent
    // is nD - nN - 1 + budget.
    int shift = nD - nN - 1 + budget;
    BigInteger dividend = absoluteValue(exactValueOf(a).numerator);
    BigInteger divisor = absoluteValue(exactValueOf(b).numerator);
    if (shift >= 0) {
        dividend = shiftLeftDecimal(dividend, shift);
    } else {
        divisor = shiftLeftDecimal(divisor, -shift);
    }
    BigInteger q = divideWithRemainder(dividend, divisor).quotient;
    if (isZero(q)) return DecimalNumber::fromInt(0);
    DecimalNumber expected;
    expected.digits = digitsOf(q, budget);
    expected.scale = e;
    if (static_cast<int>(expected.digits.size()) != budget) {
        // Cannot happen: the first step's digit is at most 9.
        expected.sign = '?';
        return expected;
    }
    if (expected.scale < 0) {
        expected.digits.insert(expected.digits.end(), static_cast<std::size_t>(-expected.scale), 0);
        expected.scale = 0;
    }
    while (static_cast<std::int32_t>(expected.digits.size()) < expected.scale) expected.digits.insert(expected.digits.begin(), 0);
    while (expected.scale > 0 && expected.digits.back() == 0) {
        expected.digits.pop_back();
        --expected.scale;
    }
    if (expected.digits.front() == 0 && static_cast<std::int32_t>(expected.digits.size()) > expected.scale) {
        expected.digits.erase(expected.digits.begin());
    }
    expected.sign = (a.sign == '-') != (b.sign == '-') ? '-' : '+';
    return expected;
}

std::string operandsText(const DecimalNumber& a, const DecimalNumber& b) {
    return "a = " + describeFields(a) + "\n b = " + describeFields(b);
}

// Checks one result; returns false (after reporting) when it is wrong.
bool checkPair(const PropertyCase& c, const DecimalNumber& a, const DecimalNumber& b) {
    DecimalNumber result;
    switch (c.operation) {
    case Operation::Add: result = a.add(b); break;
    case Operation::Subtract: result = a.subtract(b); break;
    case Operation::Multiply: result = a.multiply(b); break;
    case Operation::Divide: result = a.divide(b); break;
    }

    if (c.operation == Operation::Divide && b.isZero()) {
        EXPECT_TRUE(result.isError()) << "division by zero\n " << operandsText(a, b) << "\n got " << describeFields(result);
        return result.isError();
    }

    std::string problem = invariantProblem(result);
    EXPECT_EQ(problem, "") << operandsText(a, b) << "\n got " << describeFields(result);
    if (!problem.empty()) return false;

    if (c.operation == Operation::Add || c.operation == Operation::Subtract) {
        DecimalNumber expected = expectedSumOrDifference(a, b, c.operation == Operation::Subtract);
        ExactDecimal want = exactValueOf(expected);
        bool valueOk = sameValue(exactValueOf(result), want);
        EXPECT_TRUE(valueOk) << "value\n " << operandsText(a, b) << "\n exact " << describe(want) << "\n got "
                             << describeFields(result);
        EXPECT_EQ(result.scale, expected.scale) << "scale\n " << operandsText(a, b);
        bool zeroSignOk = !result.isZero() || result.sign == '+';
        EXPECT_TRUE(zeroSignOk) << "zero with sign '-'\n " << operandsText(a, b);
        bool formOk = sameForm(result, expected);
        EXPECT_TRUE(formOk) << "digit form\n " << operandsText(a, b) << "\n expected " << describeFields(expected)
                            << "\n got      " << describeFields(result);
        return valueOk && result.scale == expected.scale && zeroSignOk && formOk;
    }

    if (c.operation == Operation::Multiply) {
        ExactDecimal exact = multiply(exactValueOf(a), exactValueOf(b));
        int cut = c.places + 3;
        ExactDecimal want = exact.scale > cut ? truncateToPlaces(exact, cut) : exact;
        bool valueOk = sameValue(exactValueOf(result), want);
        EXPECT_TRUE(valueOk) << "value\n " << operandsText(a, b) << "\n exact product " << describe(exact)
                             << "\n expected " << describe(want) << "\n got " << describeFields(result);
        bool scaleOk = result.scale == want.scale;
        EXPECT_TRUE(scaleOk) << "scale " << result.scale << ", expected " << want.scale << "\n " << operandsText(a, b);
        // Sign: '-' for exactly one negative operand and a non-zero product;
        // a zero operand gives '+'. A non-zero product that the cut turns
        // into zeros keeps the '-' it was given before the cut.
        bool oneNegative = (a.sign == '-') != (b.sign == '-');
        bool exactZero = isZero(exact.numerator);
        char wantSign = oneNegative && !exactZero ? '-' : '+';
        bool signOk = result.sign == wantSign;
        EXPECT_TRUE(signOk) << "sign " << result.sign << ", expected " << wantSign << "\n " << operandsText(a, b)
                            << "\n got " << describeFields(result);
        return valueOk && scaleOk && signOk;
    }

    DecimalNumber expected = expectedQuotient(a, b, c.places);
    bool formOk = sameForm(result, expected);
    EXPECT_TRUE(formOk) << "quotient\n " << operandsText(a, b) << "\n expected " << describeFields(expected)
                        << "\n got      " << describeFields(result);
    return formOk;
}

// Shows a case by its name when a test fails.
void PrintTo(const PropertyCase& c, std::ostream* os) { *os << c.name; }

class Property : public testing::TestWithParam<PropertyCase> {};

TEST_P(Property, MatchesExactArithmetic) {
    const PropertyCase& c = GetParam();
    WorkingPlacesScope scope(c.places);
    RandomDecimals random(c.seed);
    int failures = 0;
    for (int i = 0; i < c.pairs && failures < 5; ++i) {
        DecimalNumber a = random.next(c.longOneIn);
        DecimalNumber b = random.next(c.longOneIn);
        // Operands sharing a value or a representation reach the shortcuts.
        int twist = random.below(40);
        if (twist == 0) b = a;
        if (twist == 1) b = a.absoluteValue();
        if (twist == 2) {
            b = a;
            b.sign = a.sign == '-' ? '+' : '-';
        }
        if (!checkPair(c, a, b)) ++failures;
    }
    EXPECT_EQ(failures, 0);
}

const PropertyCase kPropertyCases[] = {
    {"AddAt15", Operation::Add, 15, 1501u, 6000, 150},
    {"AddAt54", Operation::Add, 54, 5401u, 6000, 150},
    {"SubtractAt15", Operation::Subtract, 15, 1502u, 6000, 150},
    {"SubtractAt54", Operation::Subtract, 54, 5402u, 6000, 150},
    {"MultiplyAt15", Operation::Multiply, 15, 1503u, 5000, 150},
    {"MultiplyAt54", Operation::Multiply, 54, 5403u, 5000, 150},
    {"DivideAt15", Operation::Divide, 15, 1504u, 5000, 150},
    {"DivideAt54", Operation::Divide, 54, 5404u, 5000, 150},
    // About half the operands around 560 digits.
    {"AddLongAt54", Operation::Add, 54, 5411u, 300, 2},
    {"SubtractLongAt54", Operation::Subtract, 54, 5412u, 300, 2},
    {"MultiplyLongAt15", Operation::Multiply, 15, 1513u, 300, 2},
    {"MultiplyLongAt54", Operation::Multiply, 54, 5413u, 300, 2},
    {"DivideLongAt15", Operation::Divide, 15, 1514u, 300, 2},
    {"DivideLongAt54", Operation::Divide, 54, 5414u, 300, 2},
    // A budget of a single quotient digit, which can be 0.
    {"DivideAtMinus3", Operation::Divide, -3, 9703u, 2000, 150},
};

INSTANTIATE_TEST_SUITE_P(Decimal, Property, testing::ValuesIn(kPropertyCases),
                         [](const testing::TestParamInfo<PropertyCase>& info) { return std::string(info.param.name); });

// Each operand form on its own against each other form, both ways round,
// so that every combination of zero, leading-zero, no-integer-digit and
// trailing-zero forms meets every operation at least once.
TEST(PropertyForms, EveryFormAgainstEveryForm) {
    const char* const kForms[] = {
        "0", "-0", "", "0.000", ".0", "000", "007.5", "2.50", ".5", "-.5", "0.5", "-0.05", "1", "-1", "10.0",
        "999", ".999", "0.001", ".001", "1000", "123.45", "-7.25", "99999999999999999999.99999999999999999999",
        "00000.00000000000000000000000000000001", "3", "-3", "7", "0.3",
    };
    for (int places : {15, 54}) {
        WorkingPlacesScope scope(places);
        for (const char* left : kForms) {
            for (const char* right : kForms) {
                DecimalNumber a = DecimalNumber::fromText(left);
                DecimalNumber b = DecimalNumber::fromText(right);
                for (Operation operation : {Operation::Add, Operation::Subtract, Operation::Multiply, Operation::Divide}) {
                    PropertyCase c{"forms", operation, places, 0u, 0, 0};
                    EXPECT_TRUE(checkPair(c, a, b)) << "texts \"" << left << "\" and \"" << right << "\" at " << places;
                }
            }
        }
    }
}

}  // namespace
