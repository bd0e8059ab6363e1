// arcSine, arcCosine and arcTangent in degrees: the argument reduced to at
// most 0.1 by exact identities (reflection or reciprocal, then halvings of
// the angle), a fixed-length power series, and the halvings scaled back.
#include "angle_units.h"
#include "decimal_number.h"

DecimalNumber DecimalNumber::arcSine() const {
    if (isSpecial()) {
        return *this;
    }
    const DecimalNumber one = fromInt(1);
    // Outside [-1, 1] there is no angle, and the square roots below would fail.
    if (absoluteValue().greaterThan(one)) {
        return errorState();
    }

    // Work on |x|; the sign comes back at the end.
    DecimalNumber a = *this;
    const bool negative = isNegative();
    if (negative) {
        a.negate();
    }

    // Above .707, arcsin a = 90 - arcsin sqrt(1 - a²).
    const bool reflected = a.greaterThan(fromText(".707"));
    if (reflected) {
        a = one.subtract(a.multiply(a)).squareRoot();
    }

    // Halve the angle while a > .1: sin(t/2) = sqrt((1 - cos t)/2).
    const DecimalNumber tenth = fromText(".1");
    const DecimalNumber two = fromInt(2);
    std::int32_t halvings = 0;
    while (a.greaterThan(tenth)) {
        const DecimalNumber cs = one.subtract(a.multiply(a)).squareRoot();
        a = one.subtract(cs).divide(two).squareRoot();
        ++halvings;
    }

    // The series a + (1/2)(a³/3) + …, each term p·a² · (i-2)² / ((i-1)·i).
    DecimalNumber sum = a;
    DecimalNumber p = a;
    const DecimalNumber aSquared = a.multiply(a);
    for (int i = 3; i < workingPlaces; i += 2) {
        const DecimalNumber term =
            p.multiply(aSquared).multiply(fromInt((i - 2) * (i - 2))).divide(fromInt((i - 1) * i));
        sum = sum.add(term);
        p = term;
    }

    // Undo the halvings, convert to degrees, then undo the reflection and the
    // sign.
    sum = sum.multiply(two.integerPower(halvings));
    DecimalNumber d = radiansToDegrees(sum);
    if (reflected) {
        d = fromInt(90).subtract(d);
    }
    if (negative) {
        d.negate();
    }
    return d;
}

DecimalNumber DecimalNumber::arcCosine() const {
    const DecimalNumber s = arcSine();
    if (s.isSpecial()) {
        return s;
    }
    return fromInt(90).subtract(s);
}

DecimalNumber DecimalNumber::arcTangent() const {
    if (isSpecial()) {
        return *this;
    }
    const DecimalNumber one = fromInt(1);

    // Work on |x|; the sign comes back at the end.
    DecimalNumber a = *this;
    const bool negative = isNegative();
    if (negative) {
        a.negate();
    }

    // Above 1, arctan a = 90 - arctan(1/a).
    const bool reciprocal = a.greaterThan(one);
    if (reciprocal) {
        a = one.divide(a);
    }

    // Halve the angle while a > .1: tan(t/2) = (sqrt(1 + a²) - 1) / a.
    const DecimalNumber tenth = fromText(".1");
    std::int32_t halvings = 0;
    while (a.greaterThan(tenth)) {
        const DecimalNumber h = one.add(a.multiply(a)).squareRoot().subtract(one);
        a = h.divide(a);
        ++halvings;
    }

    // The series a - a³/3 + a⁵/5 - …, each term -(p·a²) · (i-2) / i.
    DecimalNumber sum = a;
    DecimalNumber p = a;
    const DecimalNumber aSquared = a.multiply(a);
    for (int i = 3; i < workingPlaces; i += 2) {
        DecimalNumber term = p.multiply(aSquared).multiply(fromInt(i - 2)).divide(fromInt(i));
        term.negate();
        sum = sum.add(term);
        p = term;
    }

    // Undo the halvings, convert to degrees, then undo the reciprocal and the
    // sign.
    sum = sum.multiply(fromInt(2).integerPower(halvings));
    DecimalNumber d = radiansToDegrees(sum);
    if (reciprocal) {
        d = fromInt(90).subtract(d);
    }
    if (negative) {
        d.negate();
    }
    return d;
}
