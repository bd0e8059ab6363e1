// Exact reference arithmetic for the decimal core's tests: a plain signed big
// integer and exact decimals (an integer over a power of ten). It only reads
// a DecimalNumber's fields and never calls the core's arithmetic.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "decimal_number.h"

// Signed integer in base 10^9, least significant limb first. Zero has no
// limbs and is never negative; the top limb is never 0.
struct BigInteger {
    static constexpr std::uint32_t kBase = 1000000000u;
    static constexpr int kLimbDigits = 9;

    bool negative = false;
    std::vector<std::uint32_t> limbs;
};

inline void trimLimbs(BigInteger& x) {
    while (!x.limbs.empty() && x.limbs.back() == 0) x.limbs.pop_back();
    if (x.limbs.empty()) x.negative = false;
}

inline bool isZero(const BigInteger& x) { return x.limbs.empty(); }

inline BigInteger bigFromInt(std::int64_t value) {
    BigInteger x;
    x.negative = value < 0;
    std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    while (magnitude != 0) {
        x.limbs.push_back(static_cast<std::uint32_t>(magnitude % BigInteger::kBase));
        magnitude /= BigInteger::kBase;
    }
    trimLimbs(x);
    return x;
}

// The digit values (0..9, most significant first) read as a decimal integer.
inline BigInteger bigFromDigits(const std::vector<std::uint8_t>& digits, bool negative) {
    BigInteger x;
    std::uint32_t limb = 0;
    std::uint32_t placeValue = 1;
    for (std::size_t i = digits.size(); i-- > 0;) {
        limb += digits[i] * placeValue;
        placeValue *= 10;
        if (placeValue == BigInteger::kBase) {
            x.limbs.push_back(limb);
            limb = 0;
            placeValue = 1;
        }
    }
    x.limbs.push_back(limb);
    x.negative = negative;
    trimLimbs(x);
    return x;
}

// Decimal text of the value: optional '-' and the digits, "0" for zero.
inline std::string toDecimalString(const BigInteger& x) {
    if (isZero(x)) return "0";
    std::string text = std::to_string(x.limbs.back());
    for (std::size_t i = x.limbs.size() - 1; i-- > 0;) {
        std::string limb = std::to_string(x.limbs[i]);
        text += std::string(BigInteger::kLimbDigits - limb.size(), '0') + limb;
    }
    return x.negative ? "-" + text : text;
}

// Count of decimal digits of the magnitude; 0 for zero.
inline int decimalDigitCount(const BigInteger& x) {
    if (isZero(x)) return 0;
    std::string text = toDecimalString(x);
    return static_cast<int>(text.size()) - (x.negative ? 1 : 0);
}

// Count of trailing zero decimal digits of a non-zero value; 0 for zero.
inline int trailingZeroCount(const BigInteger& x) {
    if (isZero(x)) return 0;
    std::string text = toDecimalString(x);
    int count = 0;
    while (text[text.size() - 1 - count] == '0') ++count;
    return count;
}

// -1, 0 or 1 as |a| is below, equal to or above |b|.
inline int compareMagnitudes(const BigInteger& a, const BigInteger& b) {
    if (a.limbs.size() != b.limbs.size()) return a.limbs.size() < b.limbs.size() ? -1 : 1;
    for (std::size_t i = a.limbs.size(); i-- > 0;) {
        if (a.limbs[i] != b.limbs[i]) return a.limbs[i] < b.limbs[i] ? -1 : 1;
    }
    return 0;
}

// -1, 0 or 1 as a is below, equal to or above b.
inline int compare(const BigInteger& a, const BigInteger& b) {
    if (a.negative != b.negative) return a.negative ? -1 : 1;
    int magnitudeOrder = compareMagnitudes(a, b);
    return a.negative ? -magnitudeOrder : magnitudeOrder;
}

// |a| + |b|, non-negative.
inline BigInteger addMagnitudes(const BigInteger& a, const BigInteger& b) {
    BigInteger sum;
    std::uint32_t carry = 0;
    for (std::size_t i = 0; i < a.limbs.size() || i < b.limbs.size() || carry != 0; ++i) {
        std::uint32_t limb = carry;
        if (i < a.limbs.size()) limb += a.limbs[i];
        if (i < b.limbs.size()) limb += b.limbs[i];
        carry = limb >= BigInteger::kBase ? 1 : 0;
        sum.limbs.push_back(limb - carry * BigInteger::kBase);
    }
    trimLimbs(sum);
    return sum;
}

// |a| - |b| for |a| >= |b|, non-negative.
inline BigInteger subtractMagnitudes(const BigInteger& a, const BigInteger& b) {
    BigInteger difference;
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < a.limbs.size(); ++i) {
        std::int64_t limb = static_cast<std::int64_t>(a.limbs[i]) - borrow;
        if (i < b.limbs.size()) limb -= b.limbs[i];
        borrow = limb < 0 ? 1 : 0;
        difference.limbs.push_back(static_cast<std::uint32_t>(limb + borrow * BigInteger::kBase));
    }
    trimLimbs(difference);
    return difference;
}

inline BigInteger negated(BigInteger x) {
    x.negative = !x.negative;
    trimLimbs(x);
    return x;
}

inline BigInteger absoluteValue(BigInteger x) {
    x.negative = false;
    return x;
}

inline BigInteger add(const BigInteger& a, const BigInteger& b) {
    if (a.negative == b.negative) {
        BigInteger sum = addMagnitudes(a, b);
        sum.negative = a.negative;
        trimLimbs(sum);
        return sum;
    }
    if (compareMagnitudes(a, b) >= 0) {
        BigInteger difference = subtractMagnitudes(a, b);
        difference.negative = a.negative;
        trimLimbs(difference);
        return difference;
    }
    BigInteger difference = subtractMagnitudes(b, a);
    difference.negative = b.negative;
    trimLimbs(difference);
    return difference;
}

inline BigInteger subtract(const BigInteger& a, const BigInteger& b) { return add(a, negated(b)); }

// Schoolbook product.
inline BigInteger multiply(const BigInteger& a, const BigInteger& b) {
    BigInteger product;
    if (isZero(a) || isZero(b)) return product;
    product.limbs.assign(a.limbs.size() + b.limbs.size(), 0);
    for (std::size_t i = 0; i < a.limbs.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.limbs.size(); ++j) {
            std::uint64_t cell = product.limbs[i + j] + static_cast<std::uint64_t>(a.limbs[i]) * b.limbs[j] + carry;
            product.limbs[i + j] = static_cast<std::uint32_t>(cell % BigInteger::kBase);
            carry = cell / BigInteger::kBase;
        }
        for (std::size_t k = i + b.limbs.size(); carry != 0; ++k) {
            std::uint64_t cell = product.limbs[k] + carry;
            product.limbs[k] = static_cast<std::uint32_t>(cell % BigInteger::kBase);
            carry = cell / BigInteger::kBase;
        }
    }
    product.negative = a.negative != b.negative;
    trimLimbs(product);
    return product;
}

inline BigInteger multiplySmall(const BigInteger& a, std::uint32_t factor) {
    return multiply(a, bigFromInt(factor));
}

// 10^n for n >= 0.
inline BigInteger powerOfTen(int n) {
    BigInteger x;
    x.limbs.assign(static_cast<std::size_t>(n / BigInteger::kLimbDigits), 0);
    std::uint32_t top = 1;
    for (int i = 0; i < n % BigInteger::kLimbDigits; ++i) top *= 10;
    x.limbs.push_back(top);
    return x;
}

// a × 10^n for n >= 0.
inline BigInteger shiftLeftDecimal(const BigInteger& a, int n) { return multiply(a, powerOfTen(n)); }

struct BigDivision {
    BigInteger quotient;
    BigInteger remainder;
};

// Long division truncating towards zero, like C++ / and %: the quotient's
// sign is the product of the signs, the remainder has the dividend's sign.
// Each quotient limb is the largest q with divisor × q not above the running
// remainder, found by bisection. Precondition: divisor not zero.
inline BigDivision divideWithRemainder(const BigInteger& dividend, const BigInteger& divisor) {
    BigInteger magnitude = absoluteValue(divisor);
    BigDivision result;
    result.quotient.limbs.assign(dividend.limbs.size(), 0);
    BigInteger running;
    for (std::size_t i = dividend.limbs.size(); i-- > 0;) {
        running.limbs.insert(running.limbs.begin(), dividend.limbs[i]);
        trimLimbs(running);
        if (compareMagnitudes(running, magnitude) < 0) continue;
        std::uint32_t low = 1;
        std::uint32_t high = BigInteger::kBase - 1;
        while (low < high) {
            std::uint32_t middle = low + (high - low + 1) / 2;
            if (compareMagnitudes(multiplySmall(magnitude, middle), running) <= 0) {
                low = middle;
            } else {
                high = middle - 1;
            }
        }
        result.quotient.limbs[i] = low;
        running = subtractMagnitudes(running, multiplySmall(magnitude, low));
    }
    result.quotient.negative = dividend.negative != divisor.negative;
    trimLimbs(result.quotient);
    running.negative = dividend.negative;
    trimLimbs(running);
    result.remainder = running;
    return result;
}

// An exact decimal: numerator × 10^-scale, scale >= 0.
struct ExactDecimal {
    BigInteger numerator;
    int scale = 0;
};

// The exact value of an ordinary DecimalNumber (scale >= 0), read from its
// fields: the digits as an integer with the sign, over 10^scale. An empty
// digit sequence is 0; a negative zero is 0.
inline ExactDecimal exactValueOf(const DecimalNumber& x) {
    ExactDecimal value;
    value.numerator = bigFromDigits(x.digits, x.sign == '-');
    value.scale = x.scale;
    return value;
}

// The numerator of x over 10^scale, for scale >= x.scale.
inline BigInteger numeratorAtScale(const ExactDecimal& x, int scale) {
    return shiftLeftDecimal(x.numerator, scale - x.scale);
}

inline int compare(const ExactDecimal& a, const ExactDecimal& b) {
    int common = a.scale > b.scale ? a.scale : b.scale;
    return compare(numeratorAtScale(a, common), numeratorAtScale(b, common));
}

inline bool sameValue(const ExactDecimal& a, const ExactDecimal& b) { return compare(a, b) == 0; }

inline ExactDecimal add(const ExactDecimal& a, const ExactDecimal& b) {
    int common = a.scale > b.scale ? a.scale : b.scale;
    return ExactDecimal{add(numeratorAtScale(a, common), numeratorAtScale(b, common)), common};
}

inline ExactDecimal subtract(const ExactDecimal& a, const ExactDecimal& b) {
    int common = a.scale > b.scale ? a.scale : b.scale;
    return ExactDecimal{subtract(numeratorAtScale(a, common), numeratorAtScale(b, common)), common};
}

inline ExactDecimal multiply(const ExactDecimal& a, const ExactDecimal& b) {
    return ExactDecimal{multiply(a.numerator, b.numerator), a.scale + b.scale};
}

// x cut towards zero to at most `places` fraction digits (places >= 0).
inline ExactDecimal truncateToPlaces(const ExactDecimal& x, int places) {
    if (x.scale <= places) return x;
    return ExactDecimal{divideWithRemainder(x.numerator, powerOfTen(x.scale - places)).quotient, places};
}

// Text of an exact value for failure messages: the numerator and its scale.
inline std::string describe(const ExactDecimal& x) {
    return toDecimalString(x.numerator) + "e-" + std::to_string(x.scale);
}
