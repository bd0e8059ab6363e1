// DecimalNumber: the calculator's only numeric type, an exact signed decimal
// held as one byte per digit, with its arithmetic and elementary functions.
//
// Value = sign × (digits read as a decimal integer) × 10^-scale.
// Many forms of one number are legal (leading zeros, trailing fraction zeros,
// no integer digit, several zeros); the operations below state the form of
// their results because the displayed digits depend on it.
//
// Special states travel with the value, marked by a negative scale:
//   -1 error ("ERROR"), -2 infinity ("Infinity"), -3 overflow ("OVERFLOW").
// Arithmetic on a special operand yields a special result: error beats
// overflow, overflow beats infinity.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Working precision shared by multiply, divide and the elementary functions.
// Initial value 15; a recalculation runs at 54.
extern int workingPlaces;

struct DecimalNumber {
    static constexpr std::int32_t kErrorScale = -1;
    static constexpr std::int32_t kInfinityScale = -2;
    static constexpr std::int32_t kOverflowScale = -3;
    // A product or power whose integer part would pass this many digit
    // positions (leading zeros of the written operands included) is the
    // OVERFLOW state at once, before any digit is formed.
    static constexpr std::int64_t kIntegerDigitLimit = 10000;

    char sign = '+';                   // '+' or '-'
    std::int32_t scale = 0;            // fraction digits, or a special marker
    std::vector<std::uint8_t> digits;  // values 0..9, most significant first

    // ---- Construction -----------------------------------------------------

    // The integer with scale 0 and no leading zeros; exact for every int32
    // (0 is the single digit 0).
    static DecimalNumber fromInt(std::int32_t value);
    // Digits of the text in order, every other character skipped; sign '-'
    // when the text starts with '-'; scale = characters after the last '.'.
    // No normalisation. Zero digits are inserted at the front when the scale
    // exceeds the digit count (1.5E-3 gives digits 0,1,5,3 with scale 4).
    // A null text reads as empty: sign '+', scale 0, no digits.
    static DecimalNumber fromText(const char* text);
    // The special states: sign '+', no digits, scale -1 / -2 / -3.
    static DecimalNumber errorState();
    static DecimalNumber infinityState();
    static DecimalNumber overflowState();

    // ---- Text ---------------------------------------------------------------

    // Writes the display text into buffer (capacity bytes including the NUL),
    // cut and still terminated when it does not fit. groupWidth 0: no
    // grouping; N > 0: a space every N digits either side of the point;
    // -1: commas every 3 integer digits, spaces every 3 fraction digits.
    // 1000 or more digits give "OVERFLOW"; an empty digit sequence is written
    // as the single digit 0 would be.
    void toText(char* buffer, std::size_t capacity, int groupWidth) const;
    std::string toText(int groupWidth = 0) const;
    // Integer part, truncated towards zero, saturated at the int32 limits;
    // 0 for a special state.
    std::int32_t toInteger() const;

    // ---- Tests ----------------------------------------------------------------

    // Same sign, scale and digit sequence (representations, not values).
    bool equals(const DecimalNumber& b) const;
    // No non-zero digit (an empty sequence is zero); sign and scale ignored.
    bool isZero() const;
    bool isNegative() const { return sign == '-'; }
    bool isError() const { return scale == kErrorScale; }
    bool isInfinity() const { return scale == kInfinityScale; }
    bool isOverflow() const { return scale == kOverflowScale; }
    bool isSpecial() const { return scale < 0; }
    // Numeric order; forms do not matter, but signs do: +0 > -0.
    bool greaterThan(const DecimalNumber& b) const;
    // greaterThan, or same sign and equal magnitude.
    bool greaterOrEqual(const DecimalNumber& b) const;
    bool lessThan(const DecimalNumber& b) const { return !greaterOrEqual(b); }

    // ---- Shape ------------------------------------------------------------------

    // Flips the sign in place ('+' to '-', anything else to '+'); returns a copy.
    DecimalNumber negate();
    // Copy with sign '+'.
    DecimalNumber absoluteValue() const;
    // Overwrites the scale in place, digits untouched; returns a copy.
    DecimalNumber setScale(std::int32_t n);
    // Appends one 0 digit in place (value × 10); returns a copy.
    DecimalNumber appendZero();
    // Cuts to the first n digits or pads with trailing 0 digits to n, in
    // place, scale untouched; returns a copy. Precondition n >= 0.
    DecimalNumber resizeDigits(std::int32_t n);
    // value × 10^n: scale lowered (or a 0 appended) n times, a leading 0
    // dropped each time. Special states are returned unchanged.
    DecimalNumber multiplyByPowerOfTen(std::int32_t n) const;
    // value ÷ 10^n, exact: scale raised n times, a 0 inserted in front
    // whenever the digits would not cover the scale. Special states unchanged.
    DecimalNumber divideByPowerOfTen(std::int32_t n) const;

    // ---- Arithmetic -------------------------------------------------------------

    // Exact sum / difference; scale is the larger operand scale; a zero
    // result has sign '+'.
    DecimalNumber add(const DecimalNumber& b) const;
    DecimalNumber subtract(const DecimalNumber& b) const;
    // |x| + |y| after aligning scales: one digit more than the longer aligned
    // operand unless that first digit is 0. Sign '+'.
    static DecimalNumber addMagnitudes(const DecimalNumber& x, const DecimalNumber& y);
    // |x| - |y| after aligning scales, leading zeros stripped down to the
    // scale (and at least one digit). For |x| < |y| the result is the wrapped
    // (n+1)-digit complement, first digit 9. Sign '+'.
    static DecimalNumber subtractMagnitudes(const DecimalNumber& x, const DecimalNumber& y);

    // Exact long-multiplication product, keeping the width of the widest
    // partial product, then cut (not rounded) to workingPlaces + 3 fraction
    // digits. Trailing zeros stay. The sign is set before the cut: an exact
    // zero has '+', a negative product cut to zeros keeps its '-'.
    DecimalNumber multiply(const DecimalNumber& b) const;
    // In place: drops trailing digits while scale > workingPlaces + 3.
    DecimalNumber truncateToWorkingPlaces();

    // Long division: workingPlaces + 4 quotient digits counted from the
    // dividend's first digit, cut, trailing fraction zeros removed, no
    // integer digit below 1. A zero divisor gives the error state.
    DecimalNumber divide(const DecimalNumber& b) const;
    // Remainder of the integer parts, truncating like C++ %: the dividend's
    // sign, magnitude below the divisor's. Error state when the divisor's
    // integer part is zero.
    DecimalNumber remainder(const DecimalNumber& b) const;
    // |r| >= |d| by trial subtraction. Precondition: both integers, sign '+',
    // r < 10 × d.
    bool magnitudeAtLeast(const DecimalNumber& d) const;

    // ---- Elementary functions (functions/) --------------------------------------
    // Arguments in a special state pass through unchanged. Angles in degrees.

    DecimalNumber squareRoot() const;
    DecimalNumber exponential() const;
    DecimalNumber power(const DecimalNumber& y) const;
    DecimalNumber integerPower(std::int32_t n) const;
    DecimalNumber naturalLog() const;
    DecimalNumber log10() const;
    DecimalNumber sine() const;
    DecimalNumber cosine() const;
    DecimalNumber tangent() const;
    DecimalNumber arcSine() const;
    DecimalNumber arcCosine() const;
    DecimalNumber arcTangent() const;
};

// For operands a and b: true and the special result in out when either is in
// a special state (error beats overflow, overflow beats infinity).
bool specialOperandResult(const DecimalNumber& a, const DecimalNumber& b, DecimalNumber& out);
