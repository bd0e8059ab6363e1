// Randomized checks of add, subtract, multiply, divide and remainder against
// exact arithmetic on the operands' values, at 15 and 54 working places, and
// the randomized pair check that the literal steps share. Operands come in
// every legal form; seeds are fixed, so runs repeat exactly.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "big_rational.h"
#include "case_label.h"
#include "decimal_forms.h"
#include "random_decimals.h"

namespace {

std::string padded(const std::string& digits, int width) {
    return std::string(static_cast<std::size_t>(std::max(0, width - static_cast<int>(digits.size()))), '0') + digits;
}

// A result's value as valueForm writes it, with the result's own sign (so a
// negative zero shows); a special state as formOf writes it.
std::string valueFormOf(const DecimalNumber& x) {
    return x.scale < 0 ? formOf(x) : valueForm(x.sign, bigFromDigits(x.digits, false), x.scale);
}

// What add or subtract must return, as formOf writes it. The value is exact
// and the scale is the larger operand scale. The digit count follows from
// the magnitude routine the signs select: a sum of magnitudes has n + 1
// digits (n the longer aligned length) less a leading 0 carry; a difference
// of magnitudes loses its leading zeros down to the scale and one digit.
// Subtracting an identical representation gives the single digit 0.
std::string expectedSumOrDifference(const DecimalNumber& a, const DecimalNumber& b, bool subtracting) {
    if (subtracting && formOf(a) == formOf(b)) return "+0/0";
    ExactDecimal right = exactValueOf(b);
    if (subtracting) right.numerator = negated(right.numerator);
    const ExactDecimal sum = add(exactValueOf(a), right);
    const int digits = static_cast<int>(sum.numerator.magnitude.size());
    const int longer =
        std::max(static_cast<int>(a.digits.size()) - a.scale, static_cast<int>(b.digits.size()) - b.scale) + sum.scale;
    const bool addsMagnitudes = (a.sign == b.sign) != subtracting;
    const int count = addsMagnitudes ? (digits > longer ? longer + 1 : longer) : std::max({digits, sum.scale, 1});
    return (sum.numerator.negative ? "-" : "+") + padded(sum.numerator.magnitude, count) + "/" +
           std::to_string(sum.scale);
}

// What multiply must return, as valueForm writes it: the exact product cut
// (not rounded) at workingPlaces + 3 fraction digits, with '-' for exactly
// one negative operand and a non-zero exact product, even when the cut
// leaves only zeros.
std::string expectedProduct(const DecimalNumber& a, const DecimalNumber& b) {
    const ExactDecimal exact = multiply(exactValueOf(a), exactValueOf(b));
    const bool negative = (a.sign == '-') != (b.sign == '-') && !isZero(exact.numerator);
    const ExactDecimal cut = truncateToPlaces(exact, workingPlaces + 3);
    return valueForm(negative ? '-' : '+', cut.numerator, cut.scale);
}

// What divide must return, as formOf writes it. The workingPlaces + 4 steps
// of long division from the dividend's first non-zero digit give Q, the true
// |a ÷ b| cut at e = nD - nN - 1 + sN - sD + workingPlaces + 4 fraction
// digits, with leading zeros to that many digits. A negative e becomes
// trailing zeros at scale 0, the digits cover the scale, trailing fraction
// zeros go, and one leading 0 goes when there is an integer digit. No
// non-zero digit gives the single digit 0; a zero divisor, the error state.
std::string expectedQuotient(const DecimalNumber& a, const DecimalNumber& b) {
    const int budget = workingPlaces + 4;
    BigInteger dividend = bigFromDigits(a.digits, false);
    BigInteger divisor = bigFromDigits(b.digits, false);
    if (isZero(divisor)) return formOf(DecimalNumber::errorState());
    // |a ÷ b| × 10^e is dividend × 10^shift ÷ divisor.
    const int shift =
        static_cast<int>(divisor.magnitude.size()) - static_cast<int>(dividend.magnitude.size()) - 1 + budget;
    if (shift >= 0) dividend = shiftLeftDecimal(dividend, shift);
    if (shift < 0) divisor = shiftLeftDecimal(divisor, -shift);
    const BigInteger q = divideWithRemainder(dividend, divisor).quotient;
    if (isZero(q)) return "+0/0";
    std::string digits = padded(q.magnitude, budget);
    int scale = shift + a.scale - b.scale;
    if (scale < 0) digits.append(static_cast<std::size_t>(-scale), '0'), scale = 0;
    digits = padded(digits, scale);
    for (; scale > 0 && digits.back() == '0'; --scale) digits.pop_back();
    if (digits[0] == '0' && static_cast<int>(digits.size()) > scale) digits.erase(0, 1);
    return ((a.sign == '-') != (b.sign == '-') ? "-" : "+") + digits + "/" + std::to_string(scale);
}

// What remainder must return, as valueForm writes it: the remainder of the
// integer parts truncating like C++ % (the dividend's sign, '+' for zero) at
// scale 0; the error state for a divisor below 1.
std::string expectedRemainder(const DecimalNumber& a, const DecimalNumber& b) {
    const BigInteger divisor = truncateToPlaces(exactValueOf(b), 0).numerator;
    if (isZero(divisor)) return formOf(DecimalNumber::errorState());
    const BigInteger r = divideWithRemainder(truncateToPlaces(exactValueOf(a), 0).numerator, divisor).remainder;
    return valueForm(r.negative ? '-' : '+', r, 0);
}

std::string addProblem(const DecimalNumber& a, const DecimalNumber& b) {
    return mismatch(formOf(a.add(b)), expectedSumOrDifference(a, b, false));
}
std::string subtractProblem(const DecimalNumber& a, const DecimalNumber& b) {
    return mismatch(formOf(a.subtract(b)), expectedSumOrDifference(a, b, true));
}
std::string multiplyProblem(const DecimalNumber& a, const DecimalNumber& b) {
    return mismatch(valueFormOf(a.multiply(b)), expectedProduct(a, b));
}
std::string divideProblem(const DecimalNumber& a, const DecimalNumber& b) {
    return mismatch(formOf(a.divide(b)), expectedQuotient(a, b));
}
std::string remainderProblem(const DecimalNumber& a, const DecimalNumber& b) {
    return mismatch(valueFormOf(a.remainder(b)), expectedRemainder(a, b));
}

}  // namespace

// Some random pairs share a value or a representation, or have an empty or
// round operand, to reach the shortcuts; the hand-picked forms put zeros,
// leading zeros in either operand, empty sequences, multipliers such as
// 0.001 and .001 and quotients wider than the budget against each other.
// Stops after five failures.
TEST_P(PairChecks, FindNoProblem) {
    const PairCheck& c = GetParam();
    WorkingPlacesScope scope(c.places);
    RandomDecimals random(c.seed);
    int failures = 0;
    for (int i = 0; i < c.pairs && failures < 5; ++i) {
        DecimalNumber a = random.next(c.longOneIn);
        DecimalNumber b = random.next(c.longOneIn);
        switch (random.below(40)) {
        case 0: b = a; break;
        case 1: b = a.absoluteValue(); break;
        case 2: b = a, b.sign = a.sign == '-' ? '+' : '-'; break;
        case 3:
        case 4: b = random.shortRound(); break;
        case 5: b = DecimalNumber{}; break;
        case 6: a = DecimalNumber::fromText(""); break;
        default: break;
        }
        const std::string problem = c.problem(a, b);
        EXPECT_EQ(problem, "") << "a " << formOf(a) << ", b " << formOf(b);
        failures += problem.empty() ? 0 : 1;
    }
    const char* const kForms[] = {
        "",
        "0",
        "-0",
        "0.000",
        ".0",
        "000",
        "007.5",
        "2.50",
        ".5",
        "-.5",
        "0.5",
        "-0.05",
        "-000.05",
        "1",
        "-1",
        "10.0",
        "999",
        ".999",
        "99.99",
        "0.001",
        ".001",
        "1000",
        "123.45",
        "-7.25",
        "3",
        "-3",
        "7",
        "-7",
        "0.3",
        "1.5E-3",
        "12345678901234567890",
        "100000000000000000000000000000",
        "99999999999999999999.99999999999999999999",
        "00000.00000000000000000000000000000001",
        ".00000000000000000000000000000000000000000000000000000000000000000001",
    };
    for (const char* left : kForms) {
        for (const char* right : kForms) {
            EXPECT_EQ(c.problem(textValue(left), textValue(right)), "") << "\"" << left << "\" and \"" << right << "\"";
        }
    }
}

namespace {

const PairCheck kExactArithmeticChecks[] = {
    {"AddAt15", addProblem, 15, 1501u, 6000, 150},
    {"AddAt54", addProblem, 54, 5401u, 6000, 150},
    {"SubtractAt15", subtractProblem, 15, 1502u, 6000, 150},
    {"SubtractAt54", subtractProblem, 54, 5402u, 6000, 150},
    {"MultiplyAt15", multiplyProblem, 15, 1503u, 5000, 150},
    {"MultiplyAt54", multiplyProblem, 54, 5403u, 5000, 150},
    {"DivideAt15", divideProblem, 15, 1504u, 5000, 150},
    {"DivideAt54", divideProblem, 54, 5404u, 5000, 150},
    {"Remainder", remainderProblem, 15, 5150u, 6000, 200},
    // About half the operands around 560 digits.
    {"AddLongAt54", addProblem, 54, 5411u, 300, 2},
    {"SubtractLongAt54", subtractProblem, 54, 5412u, 300, 2},
    {"MultiplyLongAt15", multiplyProblem, 15, 1513u, 300, 2},
    {"MultiplyLongAt54", multiplyProblem, 54, 5413u, 300, 2},
    {"DivideLongAt15", divideProblem, 15, 1514u, 300, 2},
    {"DivideLongAt54", divideProblem, 54, 5414u, 300, 2},
    {"RemainderLong", remainderProblem, 15, 5151u, 300, 2},
    // A budget of a single quotient digit, which can be 0.
    {"DivideAtMinus3", divideProblem, -3, 9703u, 2000, 150},
};

INSTANTIATE_TEST_SUITE_P(ExactArithmetic, PairChecks, testing::ValuesIn(kExactArithmeticChecks), CaseLabel());

}  // namespace
