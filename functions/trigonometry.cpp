// sine, cosine and tangent of an angle in degrees: reduction into
// [-90, 90], the complement beyond 45 degrees, and a fixed-length Taylor
// series in radians.
#include "angle_reduction.h"
#include "angle_units.h"
#include "decimal_number.h"

namespace {

// Sums first + Σ terms, each term the one before times -t²/((k-1)·k), for
// k = firstK, firstK + 2, … while k < workingPlaces; no size test.
DecimalNumber alternatingSeries(const DecimalNumber& first, const DecimalNumber& tSquared, int firstK) {
    DecimalNumber p = first;
    DecimalNumber r = first;
    for (int k = firstK; k < workingPlaces; k += 2) {
        DecimalNumber term = p.multiply(tSquared).divide(DecimalNumber::fromInt((k - 1) * k));
        term.negate();
        p = term;
        r = r.add(term);
    }
    return r;
}

DecimalNumber withSignFactor(DecimalNumber r, int signFactor) {
    if (signFactor == -1) {
        r.negate();
    }
    return r;
}

}  // namespace

DecimalNumber DecimalNumber::sine() const {
    if (isSpecial()) {
        return *this;
    }
    // Into [-90, 90] with a sign factor.
    const QuarterTurnAngle angle = reduceToQuarterTurn(*this);
    const DecimalNumber& a = angle.reduced;

    // Beyond 45 degrees, the cosine of the complement.
    if (a.greaterThan(fromInt(45))) {
        return withSignFactor(fromInt(90).subtract(a).cosine(), angle.signFactor);
    }
    if (a.lessThan(fromInt(-45))) {
        DecimalNumber r = fromInt(90).add(a).cosine();
        r.negate();
        return withSignFactor(r, angle.signFactor);
    }

    // The series t - t³/3! + t⁵/5! - … in radians.
    const DecimalNumber t = degreesToRadians(a);
    const DecimalNumber tSquared = t.multiply(t);
    return withSignFactor(alternatingSeries(t, tSquared, 3), angle.signFactor);
}

DecimalNumber DecimalNumber::cosine() const {
    if (isSpecial()) {
        return *this;
    }
    // Into [-90, 90] with a sign factor.
    const QuarterTurnAngle angle = reduceToQuarterTurn(*this);
    const DecimalNumber& a = angle.reduced;

    // Beyond 45 degrees, the sine of the complement.
    if (a.greaterThan(fromInt(45))) {
        return withSignFactor(fromInt(90).subtract(a).sine(), angle.signFactor);
    }
    if (a.lessThan(fromInt(-45))) {
        return withSignFactor(fromInt(90).add(a).sine(), angle.signFactor);
    }

    // The series 1 - t²/2! + t⁴/4! - … in radians.
    const DecimalNumber t = degreesToRadians(a);
    const DecimalNumber tSquared = t.multiply(t);
    return withSignFactor(alternatingSeries(fromInt(1), tSquared, 2), angle.signFactor);
}

DecimalNumber DecimalNumber::tangent() const {
    if (isSpecial()) {
        return *this;
    }
    DecimalNumber a = removeWholeTurns(*this);
    // The cosine first: exactly zero means infinity, carrying a's sign and digits.
    const DecimalNumber cosA = a.cosine();
    if (cosA.isZero()) {
        return a.setScale(kInfinityScale);
    }
    return a.sine().divide(cosA);
}
