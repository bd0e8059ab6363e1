// DecimalNumber to and from text: fromText, toText with its groupings, toInteger.
#include "decimal_number.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr std::size_t kMaxShownDigits = 999;

// Inserts separators into the plain text: groups of `width` digits counted
// leftwards from the point (`integerSeparator`, none at the start or right
// after a minus sign) and rightwards from it (always a space).
std::string groupText(const std::string& plain, bool negative, int width, char integerSeparator) {
    const std::size_t pointAt = plain.find('.');
    const std::size_t p = pointAt == std::string::npos ? plain.size() : pointAt;
    std::string grouped;
    grouped.reserve(plain.size() + plain.size() / 2 + 1);
    for (std::size_t i = 0; i < p; ++i) {
        if (i != 0 && (p - i) % width == 0 && !(negative && i == 1)) grouped += integerSeparator;
        grouped += plain[i];
    }
    if (p < plain.size()) {
        grouped += '.';
        for (std::size_t j = p + 1, k = 1; j < plain.size(); ++j, ++k) {
            if (k - 1 != 0 && (k - 1) % width == 0) grouped += ' ';
            grouped += plain[j];
        }
    }
    return grouped;
}

}  // namespace

DecimalNumber DecimalNumber::fromText(const char* text) {
    DecimalNumber result;
    if (text == nullptr) return result;
    if (text[0] == '-') result.sign = '-';
    const std::size_t length = std::strlen(text);
    std::size_t lastPoint = length;  // none yet
    result.digits.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            result.digits.push_back(static_cast<std::uint8_t>(c - '0'));
        } else if (c == '.') {
            lastPoint = i;
        }
    }
    if (lastPoint != length) {
        // Every character after the last point counts, digit or not.
        const std::size_t after = length - 1 - lastPoint;
        result.scale = after > static_cast<std::size_t>(INT32_MAX) ? INT32_MAX : static_cast<std::int32_t>(after);
    }
    // Keep at least as many digits as the scale: 1.5E-3 becomes .0153.
    if (static_cast<std::size_t>(result.scale) > result.digits.size()) {
        result.digits.insert(result.digits.begin(), result.scale - result.digits.size(), 0);
    }
    return result;
}

std::string DecimalNumber::toText(int groupWidth) const {
    switch (scale) {
    case kErrorScale: return "ERROR";
    case kInfinityScale: return "Infinity";
    case kOverflowScale: return "OVERFLOW";
    default: break;
    }
    if (scale < 0) return "ERROR";
    if (digits.size() > kMaxShownDigits) return "OVERFLOW";

    // An empty sequence is written as the single digit 0; a sequence shorter
    // than its scale (never produced by the arithmetic) as if zero-padded.
    const std::size_t count = digits.empty() ? 1 : digits.size();
    const std::size_t shown = count < static_cast<std::size_t>(scale) ? static_cast<std::size_t>(scale) : count;
    const std::size_t pad = shown - digits.size();
    const std::size_t pointBefore = shown - static_cast<std::size_t>(scale);

    // Written in place: a sign, the shown digits (the padding zeros are
    // there from the start) and a point when scale > 0, which puts it
    // before digit pointBefore < shown.
    std::string plain(shown + (sign == '-' ? 1 : 0) + (scale > 0 ? 1 : 0), '0');
    char* out = plain.data() + (sign == '-' ? 1 : 0);
    if (sign == '-') plain[0] = '-';
    const std::size_t split = scale > 0 ? pointBefore : shown;
    for (std::size_t i = pad; i < split; ++i) out[i] = static_cast<char>('0' + digits[i - pad]);
    if (scale > 0) {
        out[pointBefore] = '.';
        for (std::size_t i = std::max(pad, pointBefore); i < shown; ++i) {
            out[i + 1] = static_cast<char>('0' + digits[i - pad]);
        }
    }

    if (groupWidth > 0) return groupText(plain, sign == '-', groupWidth, ' ');
    if (groupWidth == -1) return groupText(plain, sign == '-', 3, ',');
    return plain;
}

void DecimalNumber::toText(char* buffer, std::size_t capacity, int groupWidth) const {
    if (buffer == nullptr || capacity == 0) return;
    const std::string text = toText(groupWidth);
    const std::size_t length = text.size() < capacity - 1 ? text.size() : capacity - 1;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

std::int32_t DecimalNumber::toInteger() const {
    if (isSpecial()) return 0;
    const std::int64_t integerDigits = static_cast<std::int64_t>(digits.size()) - scale;
    const std::int64_t limit = sign == '-' ? -static_cast<std::int64_t>(INT32_MIN) : INT32_MAX;
    std::int64_t magnitude = 0;
    for (std::int64_t i = 0; i < integerDigits; ++i) {
        magnitude = magnitude * 10 + digits[static_cast<std::size_t>(i)];
        if (magnitude > limit) {
            magnitude = limit;  // saturate
            break;
        }
    }
    return static_cast<std::int32_t>(sign == '-' ? -magnitude : magnitude);
}
