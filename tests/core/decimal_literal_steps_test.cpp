// The numbered steps of multiply and divide written out plainly here, one
// digit at a time, and compared with the library on random operands of every
// form: sign, scale and digit sequence must be identical.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "decimal_forms.h"
#include "decimal_number.h"
#include "random_decimals.h"

namespace {

// The digit product table, indexed by (digit of a) × 10 + (digit of b).
struct DigitProducts {
    int table[100];
    DigitProducts() {
        for (int i = 0; i < 10; ++i) {
            for (int j = 0; j < 10; ++j) table[i * 10 + j] = i * j;
        }
    }
};

const DigitProducts kDigitProducts;

void insertFront(DecimalNumber& x, std::uint8_t digit) { x.digits.insert(x.digits.begin(), digit); }

// Long multiplication exactly as the steps go.
DecimalNumber multiplyByTheSteps(const DecimalNumber& a, const DecimalNumber& b) {
    // 1. Working copies; count and clear the minus signs.
    DecimalNumber multiplicand = a;
    DecimalNumber multiplier = b;
    int negatives = 0;
    if (multiplicand.sign == '-') {
        ++negatives;
        multiplicand.negate();
    }
    if (multiplier.sign == '-') {
        ++negatives;
        multiplier.negate();
    }
    // 2. The accumulator starts as the single digit 0.
    DecimalNumber accumulator = DecimalNumber::fromInt(0);
    // 3. One partial product per multiplier digit, least significant first.
    for (std::size_t j = multiplier.digits.size(); j-- > 0;) {
        DecimalNumber partial;
        int carry = 0;
        // Digits are produced least significant first and each goes to the
        // front; collecting them backwards and reversing once is the same.
        std::vector<std::uint8_t> backwards;
        for (std::size_t i = multiplicand.digits.size(); i-- > 0;) {
            int product = kDigitProducts.table[multiplicand.digits[i] * 10 + multiplier.digits[j]];
            int digit = carry + product % 10;
            carry = product / 10;
            if (digit > 9) {
                digit -= 10;
                carry += 1;
            }
            backwards.push_back(static_cast<std::uint8_t>(digit));
        }
        if (carry != 0) backwards.push_back(static_cast<std::uint8_t>(carry));
        partial.digits.assign(backwards.rbegin(), backwards.rend());
        accumulator = accumulator.add(partial);
        multiplicand.appendZero();
    }
    // 4. The product's scale.
    accumulator.setScale(a.scale + b.scale);
    // 5. Cover the scale with leading zeros.
    while (static_cast<std::int32_t>(accumulator.digits.size()) < accumulator.scale) insertFront(accumulator, 0);
    // 6. Sign.
    if (negatives == 1 && !accumulator.isZero()) accumulator.negate();
    // 7. Cut the fraction to workingPlaces + 3 digits, no rounding.
    while (accumulator.scale > workingPlaces + 3) {
        accumulator.digits.pop_back();
        --accumulator.scale;
    }
    return accumulator;
}

void stripLeadingZeros(DecimalNumber& x) {
    while (!x.digits.empty() && x.digits.front() == 0) x.digits.erase(x.digits.begin());
}

// Long division exactly as the steps go. Precondition: b is not zero.
DecimalNumber divideByTheSteps(const DecimalNumber& a, const DecimalNumber& b) {
    // 1. Working copies, both '+'.
    DecimalNumber dividend = a;
    DecimalNumber divisor = b;
    int negatives = (dividend.sign == '-' ? 1 : 0) + (divisor.sign == '-' ? 1 : 0);
    dividend.sign = '+';
    divisor.sign = '+';
    // 2. The divisor loses its leading zeros.
    stripLeadingZeros(divisor);
    // 3. A zero dividend.
    if (dividend.isZero()) return DecimalNumber::fromInt(0);
    // 4. The dividend loses its leading zeros; the divisor becomes an integer.
    stripLeadingZeros(dividend);
    int nN = static_cast<int>(dividend.digits.size());
    int nD = static_cast<int>(divisor.digits.size());
    int sN = dividend.scale;
    int sD = divisor.scale;
    divisor.setScale(0);
    // 5. The running remainder: the dividend's first nD digits, padded.
    DecimalNumber running = dividend;
    running.resizeDigits(nD);
    running.setScale(0);
    running.sign = '+';
    // 6. workingPlaces + 4 steps of trial subtraction.
    DecimalNumber quotient;
    int budget = workingPlaces + 4;
    for (int i = 0; i < budget; ++i) {
        int q = 0;
        while (running.magnitudeAtLeast(divisor)) {
            running = running.subtract(divisor);
            ++q;
        }
        quotient.digits.push_back(static_cast<std::uint8_t>(q));
        int next = nD + i;
        running.digits.push_back(next < nN ? dividend.digits[static_cast<std::size_t>(next)] : 0);
    }
    // 7. The quotient's scale.
    quotient.scale = nD - nN - 1 + sN - sD + budget;
    // 8. Integer part wider than the budget: trailing zeros, scale 0.
    if (quotient.scale < 0) {
        quotient.digits.insert(quotient.digits.end(), static_cast<std::size_t>(-quotient.scale), 0);
        quotient.scale = 0;
    }
    // 9. Cover the scale.
    while (static_cast<std::int32_t>(quotient.digits.size()) < quotient.scale) insertFront(quotient, 0);
    // 10. Trailing fraction zeros go.
    while (quotient.scale > 0 && !quotient.digits.empty() && quotient.digits.back() == 0) {
        quotient.digits.pop_back();
        --quotient.scale;
    }
    // 11. The empty first step's 0 goes when there is an integer digit.
    if (!quotient.digits.empty() && quotient.digits.front() == 0 &&
        static_cast<std::int32_t>(quotient.digits.size()) > quotient.scale) {
        quotient.digits.erase(quotient.digits.begin());
    }
    // 12. Sign.
    if (negatives == 1) quotient.sign = '-';
    return quotient;
}

bool sameForm(const DecimalNumber& a, const DecimalNumber& b) {
    return a.sign == b.sign && a.scale == b.scale && a.digits == b.digits;
}

enum class Operation { Multiply, Divide };

struct StepsCase {
    const char* name;
    Operation operation;
    int places;
    std::uint32_t seed;
    int pairs;
    int longOneIn;  // about one operand in this many is ~560 digits
};

// Shows a case by its name when a test fails.
void PrintTo(const StepsCase& c, std::ostream* os) { *os << c.name; }

// Compares the library with the steps for one pair; false after reporting.
bool matchesSteps(Operation operation, const DecimalNumber& a, const DecimalNumber& b) {
    std::string operands = "a = " + describeFields(a) + "\n b = " + describeFields(b) +
                           "\n workingPlaces " + std::to_string(workingPlaces);
    if (operation == Operation::Multiply) {
        DecimalNumber expected = multiplyByTheSteps(a, b);
        DecimalNumber actual = a.multiply(b);
        bool same = sameForm(actual, expected);
        EXPECT_TRUE(same) << "multiply\n " << operands << "\n steps   " << describeFields(expected)
                          << "\n library " << describeFields(actual);
        return same;
    }
    DecimalNumber actual = a.divide(b);
    if (b.isZero()) {
        // Decided: a zero divisor gives the error state.
        EXPECT_TRUE(actual.isError()) << "divide by zero\n " << operands << "\n library " << describeFields(actual);
        return actual.isError();
    }
    DecimalNumber expected = divideByTheSteps(a, b);
    // Decided: a quotient with no non-zero digit is the single digit 0, '+'.
    if (expected.isZero()) expected = DecimalNumber::fromInt(0);
    bool same = sameForm(actual, expected);
    EXPECT_TRUE(same) << "divide\n " << operands << "\n steps   " << describeFields(expected)
                      << "\n library " << describeFields(actual);
    return same;
}

class LiteralSteps : public testing::TestWithParam<StepsCase> {};

TEST_P(LiteralSteps, LibraryGivesIdenticalDigits) {
    const StepsCase& c = GetParam();
    WorkingPlacesScope scope(c.places);
    RandomDecimals random(c.seed);
    int failures = 0;
    for (int i = 0; i < c.pairs && failures < 5; ++i) {
        DecimalNumber a = random.next(c.longOneIn);
        DecimalNumber b = random.next(c.longOneIn);
        int twist = random.below(40);
        if (twist < 2) b = random.shortRound();  // 0.001, .001, 1000, 000.05 ...
        if (twist == 2) b = DecimalNumber{};
        if (twist == 3) a = DecimalNumber::fromText("");
        if (twist == 4) b = a;
        if (!matchesSteps(c.operation, a, b)) ++failures;
    }
    EXPECT_EQ(failures, 0);
}

const StepsCase kStepsCases[] = {
    {"MultiplyAt0", Operation::Multiply, 0, 3001u, 2000, 300},
    {"MultiplyAt3", Operation::Multiply, 3, 3003u, 2000, 300},
    {"MultiplyAt15", Operation::Multiply, 15, 3015u, 4000, 300},
    {"MultiplyAt54", Operation::Multiply, 54, 3054u, 4000, 300},
    {"MultiplyLongAt54", Operation::Multiply, 54, 3154u, 200, 2},
    {"DivideAt0", Operation::Divide, 0, 4001u, 2000, 300},
    {"DivideAt3", Operation::Divide, 3, 4003u, 2000, 300},
    {"DivideAt15", Operation::Divide, 15, 4015u, 4000, 300},
    {"DivideAt54", Operation::Divide, 54, 4054u, 4000, 300},
    {"DivideLongAt54", Operation::Divide, 54, 4154u, 200, 2},
    // Precision lowered below zero (the reciprocal in exponential of a large
    // negative argument): a budget of one step, of none, and below none.
    {"MultiplyAtMinus3", Operation::Multiply, -3, 3097u, 1000, 300},
    {"DivideAtMinus3", Operation::Divide, -3, 4097u, 1000, 300},
    {"DivideAtMinus4", Operation::Divide, -4, 4096u, 500, 300},
    {"DivideAtMinus20", Operation::Divide, -20, 4080u, 500, 300},
};

INSTANTIATE_TEST_SUITE_P(Decimal, LiteralSteps, testing::ValuesIn(kStepsCases),
                         [](const testing::TestParamInfo<StepsCase>& info) { return std::string(info.param.name); });

// Hand-picked forms, every one against every other, at several precisions:
// leading zeros in either operand, empty sequences, multipliers such as
// 0.001 and .001, quotients that need more integer digits than the budget.
TEST(LiteralStepsForms, EveryFormAgainstEveryForm) {
    const char* const kForms[] = {
        "", "0", "-0", "0.000", "000", "007.5", "2.50", ".5", "-.5", "0.5", "0.001", ".001", "-000.05", "1000",
        "123.45", "-7.25", "99.99", "3", "-7", "0.3", "12345678901234567890", "100000000000000000000000000000",
        ".00000000000000000000000000000000000000000000000000000000000000000001", "1.5E-3",
    };
    for (int places : {-3, 0, 3, 15, 54}) {
        WorkingPlacesScope scope(places);
        for (const char* left : kForms) {
            for (const char* right : kForms) {
                DecimalNumber a = DecimalNumber::fromText(left);
                DecimalNumber b = DecimalNumber::fromText(right);
                EXPECT_TRUE(matchesSteps(Operation::Multiply, a, b)) << "\"" << left << "\" × \"" << right << "\"";
                EXPECT_TRUE(matchesSteps(Operation::Divide, a, b)) << "\"" << left << "\" ÷ \"" << right << "\"";
            }
        }
    }
}

}  // namespace
