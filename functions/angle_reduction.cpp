// Angle reduction for sine, cosine and tangent.
#include "angle_reduction.h"

#include <cstddef>
#include <cstdint>

DecimalNumber removeWholeTurns(const DecimalNumber& angle) {
    const DecimalNumber fullTurn = DecimalNumber::fromInt(360);
    const DecimalNumber negativeFullTurn = DecimalNumber::fromInt(-360);
    if (!angle.greaterThan(fullTurn) && !angle.lessThan(negativeFullTurn)) {
        return angle;
    }

    // Integer digits and fraction digits as the value reads them (zeros in
    // front when the sequence is shorter than the scale).
    const std::int64_t size = static_cast<std::int64_t>(angle.digits.size());
    const std::int64_t integerCount = size > angle.scale ? size - angle.scale : 0;
    const std::int64_t fractionMissing = angle.scale > size ? angle.scale - size : 0;

    // Integer part mod 360, one digit at a time.
    int turnsRemainder = 0;
    for (std::int64_t i = 0; i < integerCount; ++i) {
        turnsRemainder = (turnsRemainder * 10 + angle.digits[static_cast<std::size_t>(i)]) % 360;
    }
    bool fractionIsZero = true;
    for (std::int64_t i = integerCount; i < size; ++i) {
        if (angle.digits[static_cast<std::size_t>(i)] != 0) {
            fractionIsZero = false;
        }
    }
    // Single-turn steps stop on 360 itself, never on 0.
    if (turnsRemainder == 0 && fractionIsZero) {
        turnsRemainder = 360;
    }

    // Build the form the last subtraction would leave: the remainder's
    // digits, the fraction unchanged, leading zeros stripped down to the
    // scale (keeping at least one digit).
    DecimalNumber reduced;
    reduced.sign = angle.sign;
    reduced.scale = angle.scale;
    reduced.digits = DecimalNumber::fromInt(turnsRemainder).digits;
    reduced.digits.insert(reduced.digits.end(), static_cast<std::size_t>(fractionMissing), 0);
    reduced.digits.insert(reduced.digits.end(), angle.digits.begin() + integerCount, angle.digits.end());
    std::size_t leadingZeros = 0;
    while (leadingZeros + 1 < reduced.digits.size() && reduced.digits[leadingZeros] == 0 &&
           static_cast<std::int64_t>(reduced.digits.size() - leadingZeros) > reduced.scale) {
        ++leadingZeros;
    }
    reduced.digits.erase(reduced.digits.begin(), reduced.digits.begin() + static_cast<std::ptrdiff_t>(leadingZeros));
    return reduced;
}

QuarterTurnAngle reduceToQuarterTurn(const DecimalNumber& angle) {
    const DecimalNumber halfTurn = DecimalNumber::fromInt(180);
    const DecimalNumber quarterTurn = DecimalNumber::fromInt(90);
    const DecimalNumber negativeQuarterTurn = DecimalNumber::fromInt(-90);

    QuarterTurnAngle result;
    result.reduced = removeWholeTurns(angle);
    while (result.reduced.greaterThan(quarterTurn) || result.reduced.lessThan(negativeQuarterTurn)) {
        if (result.reduced.isNegative()) {
            result.reduced = result.reduced.add(halfTurn);
        } else {
            result.reduced = result.reduced.subtract(halfTurn);
        }
        result.signFactor = -result.signFactor;
    }
    return result;
}
