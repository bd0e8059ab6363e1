#!/usr/bin/env python3
"""Writes steps_digits.h: the exact results (sign, point position, every
digit) that the documented steps of the elementary functions produce, for
the cases listed at the bottom.

The digits come from this file's own step-by-step model of the decimal
arithmetic (digit forms included: leading zeros of products and sums, the
quotient digit budget, the cut of products) and of each function, written
from the documented steps and independent of the C++ code.

Usage: python3 make_steps_digits.py > steps_digits.h
"""
import sys

sys.setrecursionlimit(10000)
if hasattr(sys, "set_int_max_str_digits"):
    sys.set_int_max_str_digits(0)

PLACES = [15]  # workingPlaces


class Num:
    """sign, scale and digit list, exactly as the calculator holds them."""

    def __init__(self, sign="+", scale=0, digits=()):
        self.sign, self.scale, self.digits = sign, scale, list(digits)

    def copy(self):
        return Num(self.sign, self.scale, self.digits)

    def text(self):
        if self.scale == -1:
            return "ERROR"
        if self.scale == -2:
            return "Infinity"
        if self.scale == -3:
            return "OVERFLOW"
        ds = "".join(map(str, self.digits)) or "0"
        point = len(ds) - self.scale
        body = ds if self.scale == 0 else ds[:point] + "." + ds[point:]
        return ("-" if self.sign == "-" else "") + body


# ---- core -------------------------------------------------------------------

def from_int(v):
    return Num("-" if v < 0 else "+", 0, [int(c) for c in str(abs(v))])


def from_text(t):
    scale = len(t) - 1 - t.rindex(".") if "." in t else 0
    return Num("-" if t.startswith("-") else "+", scale, [int(c) for c in t if c.isdigit()])


def as_int(x):
    return int("".join(map(str, x.digits)) or "0")


def is_zero(x):
    return not any(x.digits)


def greater_than(a, b):
    if a.sign != b.sign:
        return a.sign == "+"
    ma, mb = as_int(a) * 10 ** b.scale, as_int(b) * 10 ** a.scale
    return ma > mb if a.sign == "+" else ma < mb


def greater_or_equal(a, b):
    return greater_than(a, b) or (a.sign == b.sign and as_int(a) * 10 ** b.scale == as_int(b) * 10 ** a.scale)


def less_than(a, b):
    return not greater_or_equal(a, b)


def equals(a, b):
    return a.sign == b.sign and a.scale == b.scale and a.digits == b.digits


def negate(x):
    y = x.copy()
    y.sign = "-" if x.sign == "+" else "+"
    return y


def absolute(x):
    y = x.copy()
    y.sign = "+"
    return y


def multiply_by_power_of_ten(x, n):
    y = x.copy()
    for _ in range(n):
        if y.scale > 0:
            y.scale -= 1
        else:
            y.digits.append(0)
        if y.digits and y.digits[0] == 0:
            y.digits.pop(0)
    return y


def divide_by_power_of_ten(x, n):
    y = x.copy()
    for _ in range(n):
        if len(y.digits) <= y.scale:
            y.digits.insert(0, 0)
        y.scale += 1
    return y


def aligned(x, y):
    x, y = x.copy(), y.copy()
    if x.scale < y.scale:
        x.digits += [0] * (y.scale - x.scale)
        x.scale = y.scale
    elif y.scale < x.scale:
        y.digits += [0] * (x.scale - y.scale)
        y.scale = x.scale
    return x, y


def digit_list(v, width):
    return [int(c) for c in str(v).rjust(width, "0")]


def add_magnitudes(x, y):
    x, y = aligned(x, y)
    n = max(len(x.digits), len(y.digits))
    ds = digit_list(as_int(x) + as_int(y), n + 1)
    if ds[0] == 0:
        ds.pop(0)
    return Num("+", x.scale, ds)


def subtract_magnitudes(x, y):
    x, y = aligned(x, y)
    n = max(len(x.digits), len(y.digits))
    v = as_int(x) - as_int(y)
    if v < 0:
        v += 10 ** (n + 1)
    ds = digit_list(v, n + 1)
    while ds[0] == 0 and len(ds) > x.scale and len(ds) > 1:
        ds.pop(0)
    return Num("+", x.scale, ds)


def add(a, b):
    if equals(a, from_int(0)) and equals(b, from_int(0)):
        return from_int(0)
    g, s = (a, b) if greater_than(absolute(a), absolute(b)) else (b, a)
    r = add_magnitudes(g, s) if g.sign == s.sign else subtract_magnitudes(g, s)
    r.sign = "+" if is_zero(r) else g.sign
    return r


def subtract(a, b):
    if equals(a, b):
        return from_int(0)
    if greater_than(absolute(a), absolute(b)):
        g, s, swapped = a, b, False
    else:
        g, s, swapped = b, a, True
    r = subtract_magnitudes(g, s) if g.sign == s.sign else add_magnitudes(g, s)
    sign = g.sign
    if swapped:
        sign = "-" if sign == "+" else "+"
    r.sign = "+" if is_zero(r) else sign
    return r


def multiply(a, b):
    """Long multiplication, one partial product per digit of b; the
    accumulator grows to the widest partial product, plus a carry digit."""
    negatives = (a.sign == "-") + (b.sign == "-")
    av, la = as_int(a), len(a.digits)
    acc, width = 0, 1
    for j, d in enumerate(reversed(b.digits)):
        p = av * 10 ** j * d
        p_width = la + j + (1 if p >= 10 ** (la + j) else 0)
        n = max(width, p_width)
        acc += p
        width = n + 1 if acc >= 10 ** n else n
    r = Num("+", a.scale + b.scale, digit_list(acc, width))
    while len(r.digits) < r.scale:
        r.digits.insert(0, 0)
    if negatives == 1 and not is_zero(r):
        r.sign = "-"
    while r.scale > PLACES[0] + 3:
        r.digits.pop()
        r.scale -= 1
    return r


def divide(a, b):
    negatives = (a.sign == "-") + (b.sign == "-")
    n_digits, d_digits = list(a.digits), list(b.digits)
    while d_digits and d_digits[0] == 0:
        d_digits.pop(0)
    if is_zero(a):
        return from_int(0)
    while n_digits and n_digits[0] == 0:
        n_digits.pop(0)
    nn, nd = len(n_digits), len(d_digits)
    dv = int("".join(map(str, d_digits)))
    r = int("".join(map(str, (n_digits + [0] * nd)[:nd])))
    q = []
    for i in range(PLACES[0] + 4):
        digit = r // dv
        r -= digit * dv
        q.append(digit)
        r = r * 10 + (n_digits[nd + i] if nd + i < nn else 0)
    scale = nd - nn - 1 + a.scale - b.scale + PLACES[0] + 4
    if scale < 0:
        q += [0] * -scale
        scale = 0
    while len(q) < scale:
        q.insert(0, 0)
    while q and q[-1] == 0 and scale > 0:
        q.pop()
        scale -= 1
    if q and q[0] == 0 and len(q) > scale:
        q.pop(0)
    return Num("-" if negatives == 1 else "+", scale, q)


def to_integer(x):
    v = as_int(x) // 10 ** x.scale
    return -v if x.sign == "-" else v


def half(n):
    """n / 2 truncated toward zero."""
    return n // 2 if n >= 0 else -((-n) // 2)


# ---- functions ----------------------------------------------------------------

def square_root(x):
    if is_zero(x):
        return from_int(0)
    a, k = x.copy(), 0
    while greater_than(a, from_int(100)):
        a = divide_by_power_of_ten(a, 2)
        k += 1
    while not greater_than(a, divide_by_power_of_ten(from_int(1), 2)):
        a = multiply_by_power_of_ten(a, 2)
        k -= 1
    r, prev, passes = from_int(1), Num(), 0
    while passes < PLACES[0]:
        r = divide(add(r, divide(a, r)), from_int(2))
        if equals(r, prev):
            break
        prev = r
        passes += 1
    if k > 0:
        r = multiply_by_power_of_ten(r, k)
    elif k < 0:
        r = divide_by_power_of_ten(r, -k)
    return r


def exponential(x):
    if greater_than(x, from_int(2400)):
        return Num("+", -3)
    saved, n = PLACES[0], to_integer(x)
    if n <= -(2 * saved + 8):
        return from_int(0)
    PLACES[0] = saved + half(n)
    try:
        if x.sign == "-":
            return divide(from_int(1), exponential(negate(x)))
        t, m = x.copy(), 0
        while greater_than(t, from_int(1)):
            t = divide(t, from_int(2))
            m += 1
        term, total, k = from_int(1), from_int(1), 1
        while k < PLACES[0] + 4:
            term = divide(multiply(t, term), from_int(k))
            total = add(total, term)
            k += 1
        for _ in range(m):
            total = multiply(total, total)
        return total
    finally:
        PLACES[0] = saved


def integer_power(x, n):
    if n == 0:
        return from_int(1)
    if n == 1:
        return x.copy()
    h = integer_power(x, half(n))
    return multiply(h, h) if n % 2 == 0 else multiply(multiply(x, h), h)


def power(x, y):
    if y.scale == 0:
        return integer_power(x, to_integer(y))
    return exponential(multiply(y, natural_log(x)))


def natural_log(x):
    e, e_fifth = exponential(from_int(1)), exponential(from_text(".2"))
    y, k1, k2 = x.copy(), 0, 0
    while greater_than(y, from_text("1.5")):
        y, k1 = divide(y, e), k1 + 1
    while less_than(y, from_text(".5")):
        y, k1 = multiply(y, e), k1 - 1
    while greater_than(y, from_text("1.1")):
        y, k2 = divide(y, e_fifth), k2 + 1
    while less_than(y, from_text(".9")):
        y, k2 = multiply(y, e_fifth), k2 - 1
    if equals(y, from_int(1)):
        total = from_int(0)
    else:
        u = subtract(y, from_int(1))
        p, total, k = u, u, 2
        while k < PLACES[0] + 2:
            f = divide(subtract(from_int(k), from_int(1)), from_int(k))
            term = negate(multiply(multiply(p, u), f))
            total, p, k = add(total, term), term, k + 1
    return add(add(from_int(k1), multiply(from_int(k2), from_text(".2"))), total)


def log10(x):
    y, k = x.copy(), 0
    while greater_than(y, from_text("1.82")):
        y, k = divide_by_power_of_ten(y, 1), k + 1
    while less_than(y, from_text(".18")):
        y, k = multiply_by_power_of_ten(y, 1), k - 1
    ln_ten = natural_log(from_int(10))
    ln_y = natural_log(y)
    return add(from_int(k), divide(ln_y, ln_ten))


PI = from_text(
    "3.141592653589793238462643383279502884197169399375105820974944592307816406286"
    "208998628034825342117067982148086513282306647093844609550582231725359408128")


def whole_turns_removed(x):
    a = x.copy()
    while greater_than(a, from_int(360)) or less_than(a, from_int(-360)):
        a = add(a, from_int(360)) if a.sign == "-" else subtract(a, from_int(360))
    return a


def sine_or_cosine(x, is_sine):
    a, s = whole_turns_removed(x), 1
    while greater_than(a, from_int(90)) or less_than(a, from_int(-90)):
        a = add(a, from_int(180)) if a.sign == "-" else subtract(a, from_int(180))
        s = -s
    if greater_than(a, from_int(45)):
        other = cosine if is_sine else sine
        r = other(subtract(from_int(90), a))
    elif less_than(a, from_int(-45)):
        r = cosine(add(from_int(90), a)) if is_sine else sine(add(from_int(90), a))
        if is_sine:
            r = negate(r)
    else:
        t = divide(multiply(a, PI), from_int(180))
        t2 = multiply(t, t)
        p, r, k = (t, t, 3) if is_sine else (from_int(1), from_int(1), 2)
        while k < PLACES[0]:
            term = negate(divide(multiply(p, t2), from_int((k - 1) * k)))
            p, r, k = term, add(r, term), k + 2
    return negate(r) if s == -1 else r


def sine(x):
    return sine_or_cosine(x, True)


def cosine(x):
    return sine_or_cosine(x, False)


def tangent(x):
    a = whole_turns_removed(x)
    c = cosine(a)
    if is_zero(c):
        return Num(a.sign, -2, a.digits)
    return divide(sine(a), c)


def to_degrees(radians):
    return divide(multiply(from_int(180), radians), PI)


def arc_sine(x):
    a, negative = x.copy(), x.sign == "-"
    if negative:
        a = negate(a)
    reflected = greater_than(a, from_text(".707"))
    if reflected:
        a = square_root(subtract(from_int(1), multiply(a, a)))
    k = 0
    while greater_than(a, from_text(".1")):
        cs = square_root(subtract(from_int(1), multiply(a, a)))
        a = square_root(divide(subtract(from_int(1), cs), from_int(2)))
        k += 1
    total, p, a2, i = a, a, multiply(a, a), 3
    while i < PLACES[0]:
        term = divide(multiply(multiply(p, a2), from_int((i - 2) * (i - 2))), from_int((i - 1) * i))
        total, p, i = add(total, term), term, i + 2
    d = to_degrees(multiply(total, integer_power(from_int(2), k)))
    if reflected:
        d = subtract(from_int(90), d)
    return negate(d) if negative else d


def arc_cosine(x):
    return subtract(from_int(90), arc_sine(x))


def arc_tangent(x):
    a, negative = x.copy(), x.sign == "-"
    if negative:
        a = negate(a)
    reciprocal = greater_than(a, from_int(1))
    if reciprocal:
        a = divide(from_int(1), a)
    k = 0
    while greater_than(a, from_text(".1")):
        h = subtract(square_root(add(from_int(1), multiply(a, a))), from_int(1))
        a, k = divide(h, a), k + 1
    total, p, a2, i = a, a, multiply(a, a), 3
    while i < PLACES[0]:
        term = negate(divide(multiply(multiply(p, a2), from_int(i - 2)), from_int(i)))
        total, p, i = add(total, term), term, i + 2
    d = to_degrees(multiply(total, integer_power(from_int(2), k)))
    if reciprocal:
        d = subtract(from_int(90), d)
    return negate(d) if negative else d


# ---- cases --------------------------------------------------------------------

FUNCTIONS = {
    "SquareRoot": square_root, "Exponential": exponential, "NaturalLog": natural_log,
    "Log10": log10, "Sine": sine, "Cosine": cosine, "Tangent": tangent,
    "ArcSine": arc_sine, "ArcCosine": arc_cosine, "ArcTangent": arc_tangent,
}

# name, function, workingPlaces, argument[, exponent for Power]
CASES = [
    ("SquareRootOfTwoAt15", "SquareRoot", 15, "2"),
    ("SquareRootScaledDownAt15", "SquareRoot", 15, "123456.789"),
    ("SquareRootOfTenAlternatesToTheCapAt54", "SquareRoot", 54, "10"),
    ("SquareRootJustAboveTheBandAt3", "SquareRoot", 3, "100.5"),
    ("SquareRootJustAboveTheBandFloorAt3", "SquareRoot", 3, ".015"),
    ("SquareRootOfFiveHundredthsAt3", "SquareRoot", 3, ".05"),
    ("SquareRootOfFiveThousandthsAt3", "SquareRoot", 3, ".005"),
    ("ExponentialOfOneAt15", "Exponential", 15, "1"),
    ("ExponentialHalvedTwiceAt15", "Exponential", 15, "2.5"),
    ("ExponentialOfNegativeAt15", "Exponential", 15, "-3.7"),
    ("ExponentialOfMinusTwentyAt54", "Exponential", 54, "-20"),
    ("NaturalLogOfTwoAt15", "NaturalLog", 15, "2"),
    ("NaturalLogOfHalfAt15", "NaturalLog", 15, ".5"),
    ("NaturalLogAtThresholdAt15", "NaturalLog", 15, ".000001"),
    ("NaturalLogAtThresholdAt3", "NaturalLog", 3, ".000001"),
    ("NaturalLogOfTenAt54", "NaturalLog", 54, "10"),
    ("NaturalLogOfElevenTenthsAt3", "NaturalLog", 3, "1.1"),
    ("NaturalLogAtLargeThresholdAt15", "NaturalLog", 15, "1000000"),
    ("NaturalLogJustBelowLargeThresholdAt15", "NaturalLog", 15, "999999.999"),
    ("Log10OfTwoAt15", "Log10", 15, "2"),
    ("Log10ShiftedUpAt15", "Log10", 15, ".0001"),
    ("Log10AtUpperBoundAt15", "Log10", 15, "1.82"),
    ("Log10ShiftedDownPastTheBoundAt15", "Log10", 15, "18.3"),
    ("Log10ShiftedDownOnceMoreAt15", "Log10", 15, "1.9"),
    ("Log10ShiftedDownManyAt15", "Log10", 15, "7" + "0" * 100 + ".25"),
    ("Log10ShiftedUpOnceMoreAt15", "Log10", 15, ".000000000017"),
    ("Log10ShiftedUpTwiceAt15", "Log10", 15, ".015"),
    ("Log10ShiftedUpFromLeadingZerosAt15", "Log10", 15, "000.02"),
    ("SineOf30At15", "Sine", 15, "30"),
    ("SineOf100At15", "Sine", 15, "100"),
    ("SineOfMinus1000At15", "Sine", 15, "-1000"),
    ("CosineOf1At15", "Cosine", 15, "1"),
    ("CosineJustBelowTheReflectionAt54", "Cosine", 54, "44.5"),
    ("SineJustBelowTheReflectionAt54", "Sine", 54, "44.5"),
    ("SineJustAboveTheNegativeReflectionAt54", "Sine", 54, "-44.5"),
    ("CosineJustPastTheQuarterTurnAt15", "Cosine", 15, "90.5"),
    ("SineJustPastTheNegativeQuarterTurnAt15", "Sine", 15, "-89.5"),
    ("SineJustPastTheReflectionAt15", "Sine", 15, "45.5"),
    ("CosineJustPastTheReflectionAt15", "Cosine", 15, "45.5"),
    ("SineJustPastTheNegativeReflectionAt15", "Sine", 15, "-45.5"),
    ("CosineJustPastTheNegativeReflectionAt15", "Cosine", 15, "-45.5"),
    ("TangentOfMinus100At15", "Tangent", 15, "-100"),
    ("ArcSineOfTenthAt15", "ArcSine", 15, ".1"),
    ("ArcSineReflectedAt15", "ArcSine", 15, ".8"),
    ("ArcCosineAt15", "ArcCosine", 15, ".3"),
    ("ArcTangentOfTenthAt15", "ArcTangent", 15, ".1"),
    ("ArcTangentOfTwoAt15", "ArcTangent", 15, "2"),
    ("ArcTangentAt54", "ArcTangent", 54, ".05"),
    ("PowerOnLogarithmPathAt15", "Power", 15, "2", ".5"),
    ("PowerOnIntegerPathAt15", "Power", 15, "1.1", "13"),
    ("PowerFifthGroupsOddFactorsAt15", "Power", 15, "3.141592653589793238", "5"),
    ("PowerSeventhGroupsOddFactorsAt15", "Power", 15, "3.141592653589793238", "7"),
    ("PowerWithFractionZeroOnLogarithmPathAt54", "Power", 54, "2", "3.0"),
]


def main():
    print("// Exact results of the elementary functions' documented steps, digit")
    print("// forms included, as rows of the ExactText table. Generated by")
    print("// make_steps_digits.py from its own step-by-step model; do not edit by hand.")
    print("#pragma once")
    print("// The generator's layout is compared with this file: not reformatted.")
    print("// clang-format off")
    print()
    print('#include "function_test_support.h"')
    print()
    print("namespace steps {")
    print()
    print("inline const ResultCase kCases[] = {")
    for case in CASES:
        name, function, places, argument = case[:4]
        PLACES[0] = places
        exponent = case[4] if function == "Power" else ""
        if function == "Power":
            result = power(from_text(argument), from_text(exponent))
        else:
            result = FUNCTIONS[function](from_text(argument))
        print('    {"%s", "%s", "%s", "%s",\n     "%s", %d},'
              % (name, function, argument, exponent, result.text(), places))
    print("};")
    print()
    print("}  // namespace steps")


if __name__ == "__main__":
    main()
