// Fuzz target: fromText then toText in every grouping. The grouped text
// without its separators is the plain text, and both read back to the value.
#include "box_text.h"
#include "decimal_number.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

constexpr int kGroupModes[] = {-1, 5};

// The text without the separators a grouping adds (commas and blanks).
std::string withoutSeparators(const std::string& text) {
    std::string plain;
    for (const char c : text) {
        if (c != ',' && c != ' ') plain += c;
    }
    return plain;
}

// Same number, sign included (forms may differ: 0.50 and .5 are one value).
bool sameValue(const DecimalNumber& a, const DecimalNumber& b) {
    return !a.greaterThan(b) && !b.greaterThan(a) && a.isNegative() == b.isNegative();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // fromText reads up to the first zero byte, as from a box.
    const std::string text(reinterpret_cast<const char*>(data), size);
    const DecimalNumber value = DecimalNumber::fromText(text.c_str());
    const std::string plain = value.toText(0);
    if (plain == "OVERFLOW") {
        fuzzCheck(value.digits.size() > 999, "only 1000 digits or more give OVERFLOW");
        return 0;
    }
    fuzzCheck(sameValue(DecimalNumber::fromText(plain.c_str()), value), "the plain text reads back to the value");
    for (const int group : kGroupModes) {
        const std::string grouped = value.toText(group);
        fuzzCheck(withoutSeparators(grouped) == plain, "the grouped text without separators is the plain text");
        fuzzCheck(sameValue(DecimalNumber::fromText(ungroupedText(grouped.c_str()).c_str()), value),
                  "the grouped text reads back to the value");
        char buffer[1000];
        value.toText(buffer, sizeof buffer, group);
        fuzzCheck(grouped.compare(0, sizeof buffer - 1, buffer) == 0, "the bounded text is the text, cut");
    }
    return 0;
}
