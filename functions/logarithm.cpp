// naturalLog and log10. naturalLog reduces its argument into [0.9, 1.1] by
// factors e and e^0.2 and sums the series of ln(1 + u); log10 shifts the
// decimal point into [0.18, 1.82] and divides two natural logarithms.
#include "logarithm.h"

#include <cstdint>

#include "decimal_number.h"
#include "magnitude.h"
#include "working_places_constants.h"
#include "working_places_scope.h"

namespace {

// From 3 places on, products keep at least 6 fraction digits, so y·e of any
// y >= .000001 keeps a non-zero digit and exceeds y: the loop by e ends.
constexpr int kFewestPlaces = 3;

// Place value of the leading non-zero digit: x lies in [10^lead, 10^(lead+1)).
std::int64_t leadingPlace(const DecimalNumber& x) { return placeOfDigit(x, firstNonZero(x.digits)); }

// 10^-6 and 10^6: naturalLog of an argument from the first to the second
// follows the reduction by e and e^0.2; a smaller or larger one is first
// shifted into [1, 10) by whole powers of ten, each counted as ln 10, so that
// no argument costs one division by e per unit of its logarithm.
DecimalNumber naturalLogShiftThreshold() { return DecimalNumber::fromText(".000001"); }

DecimalNumber naturalLogLargeShiftThreshold() { return DecimalNumber::fromInt(1000000); }

// Exact shifts bring an argument beyond the thresholds into [1, 10). The
// shifts are counted as ln 10, computed with as many extra places as the
// count has digits plus two, so that count × ln 10 stays exact to the
// working precision.
DecimalNumber naturalLogByShifts(const DecimalNumber& x) {
    const std::int32_t shifts = static_cast<std::int32_t>(-leadingPlace(x));
    const DecimalNumber y =
        shifts >= 0 ? x.multiplyByPowerOfTen(shifts) : x.divideByPowerOfTen(-shifts);  // exact, in [1, 10)
    const DecimalNumber lnY = y.naturalLog();

    int guard = 2;
    for (std::int32_t rest = shifts; rest != 0; rest /= 10) {
        ++guard;
    }
    DecimalNumber lnTen;
    {
        WorkingPlacesScope precision(workingPlaces + guard);
        lnTen = lnTenAtWorkingPlaces();
    }
    return lnY.subtract(DecimalNumber::fromInt(shifts).multiply(lnTen));
}

}  // namespace

LogReduction reduceLogArgument(const DecimalNumber& x, const DecimalNumber& e, const DecimalNumber& eToTheFifth) {
    const DecimalNumber oneAndHalf = DecimalNumber::fromText("1.5");
    const DecimalNumber half = DecimalNumber::fromText(".5");
    const DecimalNumber oneAndTenth = DecimalNumber::fromText("1.1");
    const DecimalNumber nineTenths = DecimalNumber::fromText(".9");

    LogReduction r;
    r.reduced = x;
    // Factors e: into [0.5, 1.5] (bounds themselves stay).
    while (r.reduced.greaterThan(oneAndHalf)) {
        r.reduced = r.reduced.divide(e);
        ++r.eFactors;
    }
    while (r.reduced.lessThan(half)) {
        r.reduced = r.reduced.multiply(e);
        --r.eFactors;
    }
    // Factors e^0.2: into [0.9, 1.1].
    while (r.reduced.greaterThan(oneAndTenth)) {
        r.reduced = r.reduced.divide(eToTheFifth);
        ++r.fifthFactors;
    }
    while (r.reduced.lessThan(nineTenths)) {
        r.reduced = r.reduced.multiply(eToTheFifth);
        --r.fifthFactors;
    }
    return r;
}

DecimalNumber DecimalNumber::naturalLog() const {
    if (isSpecial()) {
        return *this;
    }
    // The logarithm exists only for x > 0; the reduction would never end.
    if (isZero() || isNegative()) {
        return errorState();
    }
    // Below 3 places a product of .000001 and e cuts to zero and the
    // reduction would never end; the calculator itself never goes below 15.
    if (workingPlaces < kFewestPlaces) {
        WorkingPlacesScope precision(kFewestPlaces);
        return naturalLog();
    }
    if (lessThan(naturalLogShiftThreshold()) || greaterThan(naturalLogLargeShiftThreshold())) {
        return naturalLogByShifts(*this);
    }

    // e and e^0.2 at the current precision (kept per precision).
    const DecimalNumber e = eAtWorkingPlaces();
    const DecimalNumber eToTheFifth = eToTheFifthAtWorkingPlaces();

    // x = y · e^eFactors · (e^0.2)^fifthFactors with y in [0.9, 1.1].
    const LogReduction r = reduceLogArgument(*this, e, eToTheFifth);

    // ln y by the series ln(1 + u) = u - u²/2 + u³/3 - … with u = y - 1:
    // workingPlaces + 1 terms, each made from the one before; no test on the
    // size of a term.
    const DecimalNumber one = fromInt(1);
    DecimalNumber sum;
    if (r.reduced.equals(one)) {
        sum = fromInt(0);
    } else {
        const DecimalNumber u = r.reduced.subtract(one);
        DecimalNumber p = u;
        sum = u;
        for (int k = 2; k < workingPlaces + 2; ++k) {
            const DecimalNumber f = fromInt(k).subtract(fromInt(1)).divide(fromInt(k));
            DecimalNumber term = p.multiply(u).multiply(f);
            term.negate();
            sum = sum.add(term);
            p = term;
        }
    }

    // ln x = eFactors + fifthFactors·0.2 + ln y.
    return fromInt(r.eFactors).add(fromInt(r.fifthFactors).multiply(fromText(".2"))).add(sum);
}

DecimalNumber DecimalNumber::log10() const {
    if (isSpecial()) {
        return *this;
    }
    if (isZero() || isNegative()) {
        return errorState();
    }

    // Exact shifts into [0.18, 1.82], counted in k. One shift by
    // n places is n shifts by one, so the count is found from the leading
    // digit's place: all but the last shift at once, then the last if needed.
    const DecimalNumber upper = fromText("1.82");
    const DecimalNumber lower = fromText(".18");
    const std::int64_t lead = leadingPlace(*this);
    DecimalNumber y = *this;
    std::int32_t k = 0;
    if (y.greaterThan(upper)) {
        k = static_cast<std::int32_t>(lead > 0 ? lead : 0);
        y = y.divideByPowerOfTen(k);
        if (y.greaterThan(upper)) {
            y = y.divideByPowerOfTen(1);
            ++k;
        }
    } else if (y.lessThan(lower)) {
        const std::int32_t shifts = static_cast<std::int32_t>(-lead - 1 > 0 ? -lead - 1 : 0);
        y = y.multiplyByPowerOfTen(shifts);
        k = -shifts;
        if (y.lessThan(lower)) {
            y = y.multiplyByPowerOfTen(1);
            --k;
        }
    }

    // log10 x = k + ln y / ln 10 (ln 10 first, then ln y).
    const DecimalNumber lnTen = lnTenAtWorkingPlaces();
    const DecimalNumber lnY = y.naturalLog();
    return fromInt(k).add(lnY.divide(lnTen));
}
