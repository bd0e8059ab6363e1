// Magnitude comparison and digit-run helpers shared by the arithmetic.
#include "magnitude.h"

std::size_t firstNonZero(const DigitRun& digits) {
    std::size_t index = 0;
    while (index < digits.size() && digits[index] == 0) ++index;
    return index;
}

std::int64_t placeOfDigit(const DecimalNumber& value, std::size_t index) {
    return static_cast<std::int64_t>(value.digits.size()) - 1 - static_cast<std::int64_t>(index) - value.scale;
}

std::int64_t writtenIntegerDigits(const DecimalNumber& value) {
    const std::int64_t positions = static_cast<std::int64_t>(value.digits.size()) - value.scale;
    return positions > 0 ? positions : 0;
}

std::int64_t significantIntegerDigits(const DecimalNumber& value) {
    const std::int64_t positions = static_cast<std::int64_t>(value.digits.size()) -
                                   static_cast<std::int64_t>(firstNonZero(value.digits)) - value.scale;
    return positions > 0 ? positions : 0;
}

void stripLeadingZeros(DigitRun& digits) {
    digits.erase(digits.begin(), digits.begin() + static_cast<std::ptrdiff_t>(firstNonZero(digits)));
}

int compareMagnitudes(const DecimalNumber& a, const DecimalNumber& b) {
    const std::size_t firstA = firstNonZero(a.digits);
    const std::size_t firstB = firstNonZero(b.digits);
    const bool zeroA = firstA == a.digits.size();
    const bool zeroB = firstB == b.digits.size();
    if (zeroA || zeroB) return zeroA == zeroB ? 0 : (zeroA ? -1 : 1);

    // Power of ten of each leading non-zero digit.
    const std::int64_t topA = placeOfDigit(a, firstA);
    const std::int64_t topB = placeOfDigit(b, firstB);
    if (topA != topB) return topA > topB ? 1 : -1;

    // Same leading position: walk digit by digit, a missing digit counting 0.
    const std::size_t lengthA = a.digits.size() - firstA;
    const std::size_t lengthB = b.digits.size() - firstB;
    const std::size_t length = lengthA > lengthB ? lengthA : lengthB;
    for (std::size_t k = 0; k < length; ++k) {
        const int digitA = k < lengthA ? a.digits[firstA + k] : 0;
        const int digitB = k < lengthB ? b.digits[firstB + k] : 0;
        if (digitA != digitB) return digitA > digitB ? 1 : -1;
    }
    return 0;
}
