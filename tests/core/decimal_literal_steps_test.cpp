// The numbered steps of multiply and divide written out plainly here, one
// digit at a time, and compared with the library on random operands of every
// form: sign, scale and digit sequence must be identical.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "case_label.h"
#include "decimal_forms.h"
#include "random_decimals.h"

namespace {

void insertFront(DecimalNumber& x, std::uint8_t digit) { x.digits.insert(x.digits.begin(), digit); }

void stripLeadingZeros(DecimalNumber& x) {
    while (!x.digits.empty() && x.digits.front() == 0) x.digits.erase(x.digits.begin());
}

// Long multiplication exactly as the steps go.
DecimalNumber multiplyByTheSteps(const DecimalNumber& a, const DecimalNumber& b) {
    // 1. Working copies; count and clear the minus signs.
    DecimalNumber multiplicand = a;
    DecimalNumber multiplier = b;
    const int negatives = (a.sign == '-' ? 1 : 0) + (b.sign == '-' ? 1 : 0);
    multiplicand.sign = multiplier.sign = '+';
    // 2. The accumulator starts as the single digit 0.
    DecimalNumber accumulator = DecimalNumber::fromInt(0);
    // 3. One partial product per multiplier digit, least significant first.
    //    Its digits come least significant first and each goes to the front;
    //    collecting them backwards and reversing once is the same.
    for (std::size_t j = multiplier.digits.size(); j-- > 0;) {
        std::vector<std::uint8_t> backwards;
        int carry = 0;
        for (std::size_t i = multiplicand.digits.size(); i-- > 0;) {
            const int product = multiplicand.digits[i] * multiplier.digits[j];
            const int digit = carry + product % 10;
            carry = product / 10 + (digit > 9 ? 1 : 0);
            backwards.push_back(static_cast<std::uint8_t>(digit % 10));
        }
        if (carry != 0) backwards.push_back(static_cast<std::uint8_t>(carry));
        DecimalNumber partial;
        partial.digits.assign(backwards.rbegin(), backwards.rend());
        accumulator = accumulator.add(partial);
        multiplicand.appendZero();
    }
    // 4. The product's scale; 5. cover it with leading zeros.
    accumulator.setScale(a.scale + b.scale);
    while (static_cast<std::int32_t>(accumulator.digits.size()) < accumulator.scale) insertFront(accumulator, 0);
    // 6. Sign.
    if (negatives == 1 && !accumulator.isZero()) accumulator.negate();
    // 7. Cut the fraction to workingPlaces + 3 digits, no rounding.
    for (; accumulator.scale > workingPlaces + 3; --accumulator.scale) accumulator.digits.pop_back();
    return accumulator;
}

// Long division exactly as the steps go, with the decisions for a zero
// divisor (the error state) and a quotient of zeros only (the plain zero).
DecimalNumber divideByTheSteps(const DecimalNumber& a, const DecimalNumber& b) {
    if (b.isZero()) return DecimalNumber::errorState();
    // 1. Working copies, both '+'.
    DecimalNumber dividend = a;
    DecimalNumber divisor = b;
    const int negatives = (a.sign == '-' ? 1 : 0) + (b.sign == '-' ? 1 : 0);
    dividend.sign = divisor.sign = '+';
    // 2. The divisor loses its leading zeros.
    stripLeadingZeros(divisor);
    // 3. A zero dividend.
    if (dividend.isZero()) return DecimalNumber::fromInt(0);
    // 4. The dividend loses its leading zeros; the divisor becomes an integer.
    stripLeadingZeros(dividend);
    const int nN = static_cast<int>(dividend.digits.size());
    const int nD = static_cast<int>(divisor.digits.size());
    const int sN = dividend.scale;
    const int sD = divisor.scale;
    divisor.setScale(0);
    // 5. The running remainder: the dividend's first nD digits, padded.
    DecimalNumber running = dividend;
    running.resizeDigits(nD);
    running.setScale(0);
    // 6. workingPlaces + 4 steps of trial subtraction.
    DecimalNumber quotient;
    const int budget = workingPlaces + 4;
    for (int i = 0; i < budget; ++i) {
        std::uint8_t q = 0;
        for (; running.magnitudeAtLeast(divisor); ++q) running = running.subtract(divisor);
        quotient.digits.push_back(q);
        running.digits.push_back(nD + i < nN ? dividend.digits[static_cast<std::size_t>(nD + i)] : 0);
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
    for (; quotient.scale > 0 && !quotient.digits.empty() && quotient.digits.back() == 0; --quotient.scale)
        quotient.digits.pop_back();
    // 11. The empty first step's 0 goes when there is an integer digit.
    if (!quotient.digits.empty() && quotient.digits.front() == 0 &&
        static_cast<std::int32_t>(quotient.digits.size()) > quotient.scale) {
        quotient.digits.erase(quotient.digits.begin());
    }
    if (quotient.isZero()) return DecimalNumber::fromInt(0);
    // 12. Sign.
    if (negatives == 1) quotient.sign = '-';
    return quotient;
}

std::string multiplyStepsProblem(const DecimalNumber& a, const DecimalNumber& b) {
    return mismatch(formOf(a.multiply(b)), formOf(multiplyByTheSteps(a, b)));
}
std::string divideStepsProblem(const DecimalNumber& a, const DecimalNumber& b) {
    return mismatch(formOf(a.divide(b)), formOf(divideByTheSteps(a, b)));
}

const PairCheck kLiteralStepsChecks[] = {
    {"MultiplyAt0", multiplyStepsProblem, 0, 3001u, 2000, 300},
    {"MultiplyAt3", multiplyStepsProblem, 3, 3003u, 2000, 300},
    {"MultiplyAt15", multiplyStepsProblem, 15, 3015u, 4000, 300},
    {"MultiplyAt54", multiplyStepsProblem, 54, 3054u, 4000, 300},
    {"MultiplyLongAt54", multiplyStepsProblem, 54, 3154u, 200, 2},
    {"DivideAt0", divideStepsProblem, 0, 4001u, 2000, 300},
    {"DivideAt3", divideStepsProblem, 3, 4003u, 2000, 300},
    {"DivideAt15", divideStepsProblem, 15, 4015u, 4000, 300},
    {"DivideAt54", divideStepsProblem, 54, 4054u, 4000, 300},
    {"DivideLongAt54", divideStepsProblem, 54, 4154u, 200, 2},
    // Precision lowered below zero (the reciprocal in exponential of a large
    // negative argument): a budget of one step, of none, and below none.
    {"MultiplyAtMinus3", multiplyStepsProblem, -3, 3097u, 1000, 300},
    {"DivideAtMinus3", divideStepsProblem, -3, 4097u, 1000, 300},
    {"DivideAtMinus4", divideStepsProblem, -4, 4096u, 500, 300},
    {"DivideAtMinus20", divideStepsProblem, -20, 4080u, 500, 300},
};

INSTANTIATE_TEST_SUITE_P(LiteralSteps, PairChecks, testing::ValuesIn(kLiteralStepsChecks), CaseLabel());

}  // namespace
