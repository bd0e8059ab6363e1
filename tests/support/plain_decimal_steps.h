// The plain byte-per-digit arithmetic, written out step by step as a test
// oracle for DecimalNumber's fast arithmetic: add, subtract, multiply by
// partial products into an accumulator, divide by trial subtraction, and the
// remainder of integer parts. It uses DecimalNumber only as a record (sign,
// scale, digits) and none of its operations, so a fault in the product's
// arithmetic cannot hide in the oracle. Normal operands only (scale >= 0).
// Digits that the steps insert at the front one at a time are collected
// backwards and reversed once: the same sequence, in linear time.
#pragma once

#include "decimal_number.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace plainSteps {

using Digits = std::vector<std::uint8_t>;

inline DecimalNumber integerValue(std::uint32_t magnitude) {
    DecimalNumber value;
    do {
        value.digits.insert(value.digits.begin(), static_cast<std::uint8_t>(magnitude % 10));
        magnitude /= 10;
    } while (magnitude > 0);
    return value;
}

inline bool sameForm(const DecimalNumber& a, const DecimalNumber& b) {
    return a.sign == b.sign && a.scale == b.scale && a.digits == b.digits;
}

inline bool allZero(const DecimalNumber& a) {
    for (std::uint8_t d : a.digits) {
        if (d != 0) return false;
    }
    return true;
}

// Numeric order of the magnitudes (-1, 0, 1): both aligned at the point,
// each digit position compared from the most significant.
inline int compareMagnitudes(const DecimalNumber& a, const DecimalNumber& b) {
    const long intA = static_cast<long>(a.digits.size()) - a.scale;
    const long intB = static_cast<long>(b.digits.size()) - b.scale;
    const long top = intA > intB ? intA : intB;  // integer positions
    const long bottom = a.scale > b.scale ? a.scale : b.scale;
    for (long position = top - 1; position >= -bottom; --position) {
        // position 0 is the units digit; digit index = intX - 1 - position
        const long indexA = intA - 1 - position;
        const long indexB = intB - 1 - position;
        const int digitA =
            indexA >= 0 && indexA < static_cast<long>(a.digits.size()) ? a.digits[static_cast<std::size_t>(indexA)] : 0;
        const int digitB =
            indexB >= 0 && indexB < static_cast<long>(b.digits.size()) ? b.digits[static_cast<std::size_t>(indexB)] : 0;
        if (digitA != digitB) return digitA > digitB ? 1 : -1;
    }
    return 0;
}

// Appends zeros to the operand with the smaller scale.
inline void alignScales(DecimalNumber& x, DecimalNumber& y) {
    while (x.scale < y.scale) {
        x.digits.push_back(0);
        ++x.scale;
    }
    while (y.scale < x.scale) {
        y.digits.push_back(0);
        ++y.scale;
    }
}

inline int digitFromRight(const Digits& digits, std::size_t k) {
    return k < digits.size() ? digits[digits.size() - 1 - k] : 0;
}

inline DecimalNumber addMagnitudes(DecimalNumber x, DecimalNumber y) {
    alignScales(x, y);
    const std::size_t n = x.digits.size() > y.digits.size() ? x.digits.size() : y.digits.size();
    DecimalNumber r;
    r.scale = x.scale;
    int carry = 0;
    for (std::size_t k = 0; k < n + 1; ++k) {
        int sum = digitFromRight(x.digits, k) + digitFromRight(y.digits, k) + carry;
        carry = 0;
        if (sum > 9) {
            sum -= 10;
            carry = 1;
        }
        r.digits.push_back(static_cast<std::uint8_t>(sum));
    }
    std::reverse(r.digits.begin(), r.digits.end());
    if (r.digits[0] == 0) r.digits.erase(r.digits.begin());
    return r;
}

inline DecimalNumber subtractMagnitudes(DecimalNumber x, DecimalNumber y) {
    alignScales(x, y);
    const std::size_t n = x.digits.size() > y.digits.size() ? x.digits.size() : y.digits.size();
    DecimalNumber r;
    r.scale = x.scale;
    int borrow = 0;
    for (std::size_t k = 0; k < n + 1; ++k) {
        int difference = digitFromRight(x.digits, k) - digitFromRight(y.digits, k) - borrow;
        borrow = 0;
        if (difference < 0) {
            difference += 10;
            borrow = 1;
        }
        r.digits.push_back(static_cast<std::uint8_t>(difference));
    }
    std::reverse(r.digits.begin(), r.digits.end());
    std::size_t strip = 0;
    while (r.digits[strip] == 0 && static_cast<long>(r.digits.size() - strip) > r.scale && r.digits.size() - strip > 1)
        ++strip;
    r.digits.erase(r.digits.begin(), r.digits.begin() + static_cast<std::ptrdiff_t>(strip));
    return r;
}

inline DecimalNumber add(const DecimalNumber& a, const DecimalNumber& b) {
    const DecimalNumber zero = integerValue(0);
    if (sameForm(a, zero) && sameForm(b, zero)) return zero;
    const bool receiverGreater = compareMagnitudes(a, b) > 0;
    const DecimalNumber& g = receiverGreater ? a : b;
    const DecimalNumber& s = receiverGreater ? b : a;
    DecimalNumber r = g.sign == s.sign ? addMagnitudes(g, s) : subtractMagnitudes(g, s);
    r.sign = allZero(r) ? '+' : g.sign;
    return r;
}

inline DecimalNumber subtract(const DecimalNumber& a, const DecimalNumber& b) {
    if (sameForm(a, b)) return integerValue(0);
    const bool swapped = compareMagnitudes(a, b) <= 0;
    const DecimalNumber& g = swapped ? b : a;
    const DecimalNumber& s = swapped ? a : b;
    DecimalNumber r = g.sign == s.sign ? subtractMagnitudes(g, s) : addMagnitudes(g, s);
    const char flipped = g.sign == '+' ? '-' : '+';
    r.sign = allZero(r) ? '+' : (swapped ? flipped : g.sign);
    return r;
}

// One partial product per multiplier digit, least significant first, each
// added into an accumulator that starts as the single digit 0; then the
// scale, leading zeros to cover it, the sign and the cut to
// workingPlaces + 3 fraction digits.
inline DecimalNumber multiply(const DecimalNumber& a, const DecimalNumber& b) {
    static const struct DigitProducts {
        std::uint8_t table[100];
        DigitProducts() {
            for (int i = 0; i < 100; ++i) table[i] = static_cast<std::uint8_t>((i / 10) * (i % 10));
        }
    } products;
    DecimalNumber multiplicand = a;
    const int negatives = (a.sign == '-' ? 1 : 0) + (b.sign == '-' ? 1 : 0);
    multiplicand.sign = '+';
    multiplicand.scale = 0;
    DecimalNumber accumulator = integerValue(0);
    for (std::size_t j = b.digits.size(); j-- > 0;) {
        DecimalNumber partial;
        int carry = 0;
        for (std::size_t i = multiplicand.digits.size(); i-- > 0;) {
            const int p = products.table[multiplicand.digits[i] * 10 + b.digits[j]];
            int digit = carry + p % 10;
            carry = p / 10;
            if (digit > 9) {
                digit -= 10;
                carry += 1;
            }
            partial.digits.push_back(static_cast<std::uint8_t>(digit));
        }
        if (carry != 0) partial.digits.push_back(static_cast<std::uint8_t>(carry));
        std::reverse(partial.digits.begin(), partial.digits.end());
        accumulator = add(accumulator, partial);
        multiplicand.digits.push_back(0);
    }
    accumulator.scale = a.scale + b.scale;
    if (static_cast<long>(accumulator.digits.size()) < accumulator.scale) {
        accumulator.digits.insert(accumulator.digits.begin(), accumulator.scale - accumulator.digits.size(), 0);
    }
    if (negatives == 1 && !allZero(accumulator)) accumulator.sign = '-';
    while (accumulator.scale > workingPlaces + 3) {
        accumulator.digits.pop_back();
        --accumulator.scale;
    }
    return accumulator;
}

// |r| >= |d| for integers with r < 10 × d, by one trial subtraction.
inline bool magnitudeAtLeast(const DecimalNumber& r, const DecimalNumber& d) {
    if (sameForm(r, d)) return true;
    const DecimalNumber x = subtractMagnitudes(r, d);
    return !(x.digits[0] == 9 && x.digits.size() > d.digits.size());
}

inline void stripLeadingZeros(Digits& digits) {
    while (!digits.empty() && digits.front() == 0) digits.erase(digits.begin());
}

// workingPlaces + 4 steps of long division, each subtracting the divisor
// while the running remainder is at least the divisor. A zero divisor gives
// the error state and a quotient with no non-zero digit the single digit 0.
inline DecimalNumber divide(const DecimalNumber& a, const DecimalNumber& b) {
    if (allZero(b)) return DecimalNumber::errorState();
    const int negatives = (a.sign == '-' ? 1 : 0) + (b.sign == '-' ? 1 : 0);
    DecimalNumber n = a;
    DecimalNumber d = b;
    n.sign = d.sign = '+';
    stripLeadingZeros(d.digits);
    if (allZero(n)) return integerValue(0);
    stripLeadingZeros(n.digits);
    const long nN = static_cast<long>(n.digits.size());
    const long nD = static_cast<long>(d.digits.size());
    const long sN = n.scale;
    const long sD = d.scale;
    d.scale = 0;
    DecimalNumber r;
    for (long i = 0; i < nD; ++i) r.digits.push_back(i < nN ? n.digits[static_cast<std::size_t>(i)] : 0);
    DecimalNumber q;
    const long budget = workingPlaces + 4;
    for (long i = 0; i < budget; ++i) {
        std::uint8_t digit = 0;
        while (magnitudeAtLeast(r, d)) {
            r = subtract(r, d);
            ++digit;
        }
        q.digits.push_back(digit);
        r.digits.push_back(nD + i < nN ? n.digits[static_cast<std::size_t>(nD + i)] : 0);
    }
    if (allZero(q)) return integerValue(0);
    long scale = nD - nN - 1 + sN - sD + budget;
    if (scale < 0) {
        q.digits.insert(q.digits.end(), static_cast<std::size_t>(-scale), 0);
        scale = 0;
    }
    q.scale = static_cast<std::int32_t>(scale);
    if (static_cast<long>(q.digits.size()) < q.scale) q.digits.insert(q.digits.begin(), q.scale - q.digits.size(), 0);
    while (q.scale > 0 && q.digits.back() == 0) {
        q.digits.pop_back();
        --q.scale;
    }
    if (q.digits[0] == 0 && static_cast<long>(q.digits.size()) > q.scale) q.digits.erase(q.digits.begin());
    if (negatives == 1) q.sign = '-';
    return q;
}

// The remainder of the integer parts by long division on magnitudes; a
// non-zero remainder takes the dividend's sign, a zero one '+'. A divisor
// whose integer part is zero gives the error state. A dividend below the
// divisor comes back as its integer part, leading zeros and all.
inline DecimalNumber remainder(const DecimalNumber& a, const DecimalNumber& b) {
    DecimalNumber n = a;
    DecimalNumber d = b;
    n.sign = d.sign = '+';
    for (; n.scale > 0; --n.scale) {
        if (!n.digits.empty()) n.digits.pop_back();
    }
    for (; d.scale > 0; --d.scale) {
        if (!d.digits.empty()) d.digits.pop_back();
    }
    if (allZero(d)) return DecimalNumber::errorState();
    stripLeadingZeros(d.digits);
    DecimalNumber r;
    if (compareMagnitudes(d, n) > 0) {
        r = n;
    } else if (compareMagnitudes(d, n) == 0) {
        return integerValue(0);
    } else {
        const std::size_t nD = d.digits.size();
        // Leading zeros of the dividend do not change the remainder; the
        // running remainder starts with the first nD digits as written.
        for (std::size_t i = 0; i < nD && i < n.digits.size(); ++i) r.digits.push_back(n.digits[i]);
        const std::size_t extra = n.digits.size() - r.digits.size();
        for (std::size_t i = 0; i <= extra; ++i) {
            while (compareMagnitudes(r, d) >= 0) r = subtract(r, d);
            if (i == extra) break;
            r.digits.push_back(n.digits[nD + i]);
        }
        while (r.digits.size() > 1 && r.digits[0] == 0) r.digits.erase(r.digits.begin());
    }
    r.sign = allZero(r) ? '+' : a.sign;
    return r;
}

}  // namespace plainSteps
