// Building and splitting the calculation file's text.
#include "calculation_file_text.h"

#include "calculator_state.h"
#include "saved_calculation_text.h"

#include <cstdio>
#include <cstring>

namespace {

// The name that opens every calculation file, before its entry count.
constexpr char kCalculationFileMagic[] = "Marrowfieldtallymaster";
constexpr std::size_t kCalculationFileMagicLength = 22;
constexpr int kMaxEntries = kMaxSavedCalculations + 1;

std::string withoutCarriageReturns(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    // Every carriage return before a line feed goes, a run of them too: a
    // "\r\r\n" left as "\r\n" would split its entry once written and read.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            while (!text.empty() && text.back() == '\r') text.pop_back();
        }
        text += bytes[i];
    }
    return text;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The count: up to two decimal digits at offsets 23 and 24, reading stops at
// the first non-digit; 0 when there is none, and when a third digit follows
// (a count of 100 or more is not a count the file can have).
int readEntryCount(const std::string& text) {
    int count = 0;
    std::size_t i = kCalculationFileMagicLength + 1;
    for (; i < kCalculationFileMagicLength + 3 && i < text.size() && isDigit(text[i]); ++i) {
        count = count * 10 + (text[i] - '0');
    }
    if (i < text.size() && isDigit(text[i])) return 0;
    return count;
}

// Index of the first `pattern` at or after `from`, or -1.
long findText(std::string_view text, std::string_view pattern, long from) {
    if (from < 0 || static_cast<std::size_t>(from) > text.size()) return -1;
    const std::size_t at = text.find(pattern, static_cast<std::size_t>(from));
    return at == std::string_view::npos ? -1 : static_cast<long>(at);
}

// Exactly `length` characters of text starting at `from` (fewer at the end).
std::string takeText(std::string_view text, long length, long from) {
    if (from < 0 || length <= 0 || static_cast<std::size_t>(from) >= text.size()) return std::string();
    return std::string(text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(length)));
}

}  // namespace

std::string buildCalculationFileText(const char* stamp) {
    const CalculatorState& s = calculatorState;
    char header[48];
    std::snprintf(header, sizeof header, "%s %d\n\n", kCalculationFileMagic, s.savedCount + 1);
    std::string text = header;
    for (int i = 1; i <= s.savedCount && i <= kMaxSavedCalculations; ++i) {
        text += s.savedCalculations[i];
        text += "\n\n";
    }
    text += savedCalculationText(stamp);
    text += "\n\n";
    return text;
}

bool parseCalculationFileText(std::string_view bytes, std::vector<std::string>& entries) {
    if (bytes.size() > kMaxCalculationFileBytes) return false;
    const std::string text = withoutCarriageReturns(bytes);
    if (text.size() < kCalculationFileMagicLength ||
        std::memcmp(text.data(), kCalculationFileMagic, kCalculationFileMagicLength) != 0) {
        return false;
    }
    const int count = readEntryCount(text);
    if (count < 1 || count > kMaxEntries) return false;

    // Each search starts on the separator that ended the previous entry; the
    // first one finds the two line feeds after the header.
    std::vector<std::string> found;
    long p = 0;
    for (int e = 1; e <= count; ++e) {
        const long separator = findText(text, "\n\n", p);
        if (separator < 0) return false;
        const long s = separator + 2;
        const long t = findText(text, "\n\n", s);
        if (t < 0) return false;
        found.push_back(takeText(text, t - s, s));
        p = t;
    }
    entries = std::move(found);
    return true;
}

std::string installCalculationFileEntries(const std::vector<std::string>& entries) {
    CalculatorState& s = calculatorState;
    const int count = static_cast<int>(entries.size());
    s.savedCount = count - 1;
    for (int e = 1; e <= count && e <= kMaxSavedCalculations + 1; ++e) s.savedCalculations[e] = entries[e - 1];
    return entries.empty() ? std::string("=") : entries.back() + "=";
}
