// Exact reference arithmetic for the decimal core's tests: signed integers of
// any length held as decimal digit strings, and exact decimals (an integer
// over a power of ten). It reads a DecimalNumber's fields and never calls
// the core's arithmetic.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "decimal_number.h"

// Sign and magnitude. The magnitude's digits have no leading zero; zero is
// the empty magnitude and is never negative.
struct BigInteger {
    bool negative = false;
    std::string magnitude;
};

inline BigInteger bigInteger(bool negative, std::string magnitude) {
    magnitude.erase(0, magnitude.find_first_not_of('0'));
    return {negative && !magnitude.empty(), magnitude};
}

inline bool isZero(const BigInteger& x) { return x.magnitude.empty(); }

// The digit values (0..9, most significant first) read as a decimal integer.
inline BigInteger bigFromDigits(const std::vector<std::uint8_t>& digits, bool negative) {
    std::string text;
    for (std::uint8_t digit : digits) text += static_cast<char>('0' + digit);
    return bigInteger(negative, text);
}

// Negative, zero or positive as magnitude a is below, equal to or above b.
inline int compareMagnitudes(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

// Digit i counted from the right, 0 beyond the front.
inline int digitFromRight(const std::string& x, std::size_t i) { return i < x.size() ? x[x.size() - 1 - i] - '0' : 0; }

// a + b for step 1, a - b (a >= b) for step -1, of magnitudes; the result
// may start with a 0.
inline std::string combineMagnitudes(const std::string& a, const std::string& b, int step) {
    std::string result(std::max(a.size(), b.size()) + 1, '0');
    int carry = 0;
    for (std::size_t i = 0; i < result.size(); ++i) {
        int digit = digitFromRight(a, i) + step * digitFromRight(b, i) + carry;
        carry = digit < 0 ? -1 : digit / 10;
        result[result.size() - 1 - i] = static_cast<char>('0' + digit - 10 * carry);
    }
    return result;
}

inline BigInteger add(const BigInteger& a, const BigInteger& b) {
    if (a.negative == b.negative) return bigInteger(a.negative, combineMagnitudes(a.magnitude, b.magnitude, 1));
    if (compareMagnitudes(a.magnitude, b.magnitude) >= 0) {
        return bigInteger(a.negative, combineMagnitudes(a.magnitude, b.magnitude, -1));
    }
    return bigInteger(b.negative, combineMagnitudes(b.magnitude, a.magnitude, -1));
}

inline BigInteger negated(const BigInteger& x) { return bigInteger(!x.negative, x.magnitude); }

// Schoolbook product.
inline BigInteger multiply(const BigInteger& a, const BigInteger& b) {
    std::vector<int> cells(a.magnitude.size() + b.magnitude.size(), 0);
    for (std::size_t i = 0; i < a.magnitude.size(); ++i) {
        for (std::size_t j = 0; j < b.magnitude.size(); ++j)
            cells[i + j + 1] += (a.magnitude[i] - '0') * (b.magnitude[j] - '0');
    }
    std::string product(cells.size(), '0');
    for (std::size_t k = cells.size(), carry = 0; k-- > 0;) {
        std::size_t cell = static_cast<std::size_t>(cells[k]) + carry;
        product[k] = static_cast<char>('0' + cell % 10);
        carry = cell / 10;
    }
    return bigInteger(a.negative != b.negative, product);
}

struct BigDivision {
    BigInteger quotient;
    BigInteger remainder;
};

// Long division truncating towards zero, like C++ / and %: the quotient's
// sign is the product of the signs, the remainder has the dividend's sign.
// Precondition: divisor not zero.
inline BigDivision divideWithRemainder(const BigInteger& dividend, const BigInteger& divisor) {
    std::string quotient;
    std::string running;
    for (char digit : dividend.magnitude) {
        running = bigInteger(false, running + digit).magnitude;
        char q = '0';
        for (; compareMagnitudes(running, divisor.magnitude) >= 0; ++q) {
            running = bigInteger(false, combineMagnitudes(running, divisor.magnitude, -1)).magnitude;
        }
        quotient += q;
    }
    return {bigInteger(dividend.negative != divisor.negative, quotient), bigInteger(dividend.negative, running)};
}

// An exact decimal: numerator × 10^-scale.
struct ExactDecimal {
    BigInteger numerator;
    int scale = 0;
};

// The exact value of an ordinary DecimalNumber (scale >= 0): its digits as
// an integer with the sign, over 10^scale. An empty sequence and a negative
// zero are 0.
inline ExactDecimal exactValueOf(const DecimalNumber& x) { return {bigFromDigits(x.digits, x.sign == '-'), x.scale}; }

// x × 10^places for places >= 0.
inline BigInteger shiftLeftDecimal(const BigInteger& x, int places) {
    return bigInteger(x.negative, x.magnitude + std::string(static_cast<std::size_t>(places), '0'));
}

inline ExactDecimal add(const ExactDecimal& a, const ExactDecimal& b) {
    int common = std::max(a.scale, b.scale);
    return {add(shiftLeftDecimal(a.numerator, common - a.scale), shiftLeftDecimal(b.numerator, common - b.scale)),
            common};
}

inline ExactDecimal multiply(const ExactDecimal& a, const ExactDecimal& b) {
    return {multiply(a.numerator, b.numerator), a.scale + b.scale};
}

// x cut towards zero to at most `places` fraction digits (places >= 0).
inline ExactDecimal truncateToPlaces(ExactDecimal x, int places) {
    if (x.scale <= places) return x;
    std::string& digits = x.numerator.magnitude;
    digits.resize(digits.size() - std::min(digits.size(), static_cast<std::size_t>(x.scale - places)));
    return {bigInteger(x.numerator.negative, digits), places};
}

// "sign magnitude/scale" with a sign of one's choosing, e.g. "-1975/2";
// zero shows its magnitude as 0. Comparable with formOf of a value written
// without leading zeros.
inline std::string valueForm(char sign, const BigInteger& numerator, int scale) {
    return sign + (isZero(numerator) ? std::string("0") : numerator.magnitude) + "/" + std::to_string(scale);
}
