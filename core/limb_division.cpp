// Division of digit runs: one machine division per digit for divisors of up
// to 17 digits, otherwise schoolbook division in limbs of 10^9 with the
// quotient limb estimated from the top limbs and corrected (the classical
// normalised method for a base that is not a power of two).
#include "limb_division.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr std::uint64_t kBase = 1000000000;  // one limb: nine decimal digits
constexpr std::size_t kLimbDigits = 9;
// r < divisor < 10^17 keeps r × 10 + 9 below 2^64.
constexpr std::size_t kShortDivisorDigits = 17;

using Limbs = std::vector<std::uint64_t>;  // least significant first, each below kBase

// Into `limbs` (reused storage).
void limbsOf(const DigitRun& digits, Limbs& limbs) {
    const std::size_t n = digits.size();
    limbs.assign((n + kLimbDigits - 1) / kLimbDigits, 0);
    for (std::size_t k = 0; k < limbs.size(); ++k) {
        const std::size_t low = k * kLimbDigits;  // counted from the least significant digit
        const std::size_t high = std::min(n, low + kLimbDigits);
        std::uint64_t limb = 0;
        for (std::size_t i = high; i-- > low;) limb = limb * 10 + digits[n - 1 - i];
        limbs[k] = limb;
    }
}

// The lowest `count` digits of a limb number, most significant first.
DigitRun digitsOf(const Limbs& limbs, std::size_t count) {
    DigitRun digits(count, 0);
    std::size_t at = count;
    for (std::size_t k = 0; k < limbs.size() && at > 0; ++k) {
        std::uint64_t limb = limbs[k];
        for (std::size_t d = 0; d < kLimbDigits && at > 0; ++d) {
            digits[--at] = static_cast<std::uint8_t>(limb % 10);
            limb /= 10;
        }
    }
    return digits;
}

std::uint64_t machineValue(const DigitRun& digits) {
    std::uint64_t value = 0;
    for (std::uint8_t d : digits) value = value * 10 + d;
    return value;
}

void multiplyBySmall(Limbs& limbs, std::uint64_t factor) {
    std::uint64_t carry = 0;
    for (std::uint64_t& limb : limbs) {
        const std::uint64_t product = limb * factor + carry;
        limb = product % kBase;
        carry = product / kBase;
    }
    limbs.push_back(carry);
}

// Quotient and remainder of u by v, v of two limbs or more with a non-zero
// top limb and u of at least as many limbs. u and v are used up.
void divideLimbs(Limbs& u, Limbs& v, Limbs* quotient, Limbs* remainder) {
    const std::size_t n = v.size();
    const std::size_t m = u.size() - n;
    // Normalise: the divisor's top limb becomes at least kBase / 2, which
    // keeps every estimate at most two above the true quotient limb.
    const std::uint64_t factor = kBase / (v[n - 1] + 1);
    multiplyBySmall(u, factor);  // one limb longer: u[m + n]
    multiplyBySmall(v, factor);
    v.pop_back();  // the carry out of the divisor is zero
    const std::uint64_t top = v[n - 1];
    const std::uint64_t next = v[n - 2];
    static Limbs q;
    q.assign(m + 1, 0);
    for (std::size_t j = m + 1; j-- > 0;) {
        const std::uint64_t numerator = u[j + n] * kBase + u[j + n - 1];
        std::uint64_t estimate = numerator / top;
        std::uint64_t rest = numerator % top;
        while (estimate >= kBase || estimate * next > rest * kBase + u[j + n - 2]) {
            --estimate;
            rest += top;
            if (rest >= kBase) break;
        }
        // u[j .. j + n] -= estimate × v
        std::uint64_t carry = 0;
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint64_t product = estimate * v[i] + carry;
            carry = product / kBase;
            std::int64_t difference =
                static_cast<std::int64_t>(u[i + j]) - static_cast<std::int64_t>(product % kBase) - borrow;
            borrow = difference < 0 ? 1 : 0;
            u[i + j] = static_cast<std::uint64_t>(difference + borrow * static_cast<std::int64_t>(kBase));
        }
        std::int64_t last = static_cast<std::int64_t>(u[j + n]) - static_cast<std::int64_t>(carry) - borrow;
        if (last < 0) {
            // The estimate was one too large: add the divisor back once.
            --estimate;
            std::uint64_t addCarry = 0;
            for (std::size_t i = 0; i < n; ++i) {
                const std::uint64_t sum = u[i + j] + v[i] + addCarry;
                addCarry = sum / kBase;
                u[i + j] = sum % kBase;
            }
            last += static_cast<std::int64_t>(addCarry);
        }
        u[j + n] = static_cast<std::uint64_t>(last);
        q[j] = estimate;
    }
    if (quotient != nullptr) quotient->swap(q);
    if (remainder != nullptr) {
        // Undo the normalisation: the remainder is u[0 .. n - 1] / factor.
        u.resize(n);
        std::uint64_t rest = 0;
        for (std::size_t i = n; i-- > 0;) {
            const std::uint64_t value = rest * kBase + u[i];
            u[i] = value / factor;
            rest = value % factor;
        }
        remainder->swap(u);
    }
}

DigitRun withoutLeadingZeros(DigitRun digits) {
    std::size_t first = 0;
    while (first + 1 < digits.size() && digits[first] == 0) ++first;
    digits.erase(digits.begin(), digits.begin() + static_cast<std::ptrdiff_t>(first));
    return digits;
}

}  // namespace

DigitRun quotientDigits(const DigitRun& dividend, const DigitRun& divisor, std::size_t count) {
    if (divisor.size() <= kShortDivisorDigits) {
        // The running remainder (below the divisor) takes `chunk` digits at
        // a time, chunk = 18 - divisor digits, so that it stays below 10^18;
        // each machine division gives `chunk` quotient digits at once.
        const std::uint64_t d = machineValue(divisor);
        const std::size_t chunk = 18 - divisor.size();
        DigitRun digits(count, 0);
        const std::size_t skip = dividend.size() - count;  // divisor digits less one
        std::uint64_t rest = 0;
        for (std::size_t i = 0; i < skip; ++i) rest = rest * 10 + dividend[i];
        for (std::size_t done = 0; done < count;) {
            const std::size_t take = std::min(chunk, count - done);
            for (std::size_t i = 0; i < take; ++i) rest = rest * 10 + dividend[skip + done + i];
            std::uint64_t q = rest / d;
            rest %= d;
            for (std::size_t i = take; i-- > 0;) {
                digits[done + i] = static_cast<std::uint8_t>(q % 10);
                q /= 10;
            }
            done += take;
        }
        return digits;
    }
    static Limbs u;
    static Limbs v;
    static Limbs q;
    limbsOf(dividend, u);
    limbsOf(divisor, v);
    if (u.size() < v.size()) return DigitRun(count, 0);
    divideLimbs(u, v, &q, nullptr);
    return digitsOf(q, count);
}

DigitRun remainderDigits(const DigitRun& dividend, const DigitRun& divisor) {
    if (divisor.size() <= kShortDivisorDigits) {
        const std::uint64_t d = machineValue(divisor);
        std::uint64_t rest = 0;
        for (std::uint8_t digit : dividend) rest = (rest * 10 + digit) % d;
        Limbs r{rest % kBase, rest / kBase % kBase};
        return withoutLeadingZeros(digitsOf(r, 2 * kLimbDigits));
    }
    static Limbs u;
    static Limbs v;
    static Limbs r;
    limbsOf(dividend, u);
    limbsOf(divisor, v);
    if (u.size() < v.size()) return withoutLeadingZeros(dividend.empty() ? DigitRun{0} : dividend);
    divideLimbs(u, v, nullptr, &r);
    return withoutLeadingZeros(digitsOf(r, r.size() * kLimbDigits));
}
