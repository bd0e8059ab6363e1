// Fuzz target: the recalculation with arbitrary expression and x, y, z texts
// at every Display, grouping and angle setting. The input is one settings
// byte, then the expression, x, y and z texts separated by zero bytes (a box
// text cannot hold one); each text is cut at its box's capacity.
#include "calculator_state.h"
#include "decimal_number.h"
#include "fuzz_check.h"
#include "platform_seam.h"
#include "recalculation.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

// The settings the Display menu can choose, as calculatorState holds them.
constexpr int kDisplayDecimals[] = {0, 10, 20, 30, 40, 50, -1};
constexpr int kGroupModes[] = {0, -1, 5};

bool isSpecialText(const std::string& text) { return text == "ERROR" || text == "Infinity" || text == "OVERFLOW"; }

// A shown number: optional minus, digits with at most one point, and only the
// separators of its grouping (commas before the point, blanks after it).
// Returns the count of fraction digits, or -1 when the text is no number.
int fractionDigitsOf(const std::string& text, int groupMode) {
    std::size_t i = text.empty() || text[0] != '-' ? 0 : 1;
    bool point = false;
    int fraction = 0;
    int digits = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ++digits;
            if (point) ++fraction;
        } else if (c == '.' && !point) {
            point = true;
        } else if (c == ',' && groupMode == -1 && !point) {
        } else if (c == ' ' && groupMode != 0) {
            if (groupMode == -1 && !point) return -1;
        } else {
            return -1;
        }
    }
    return digits == 0 ? -1 : fraction;
}

// Cuts the next zero-terminated piece off the input.
std::string nextText(const std::uint8_t*& data, std::size_t& size) {
    const void* end = std::memchr(data, 0, size);
    const std::size_t length = end == nullptr ? size : static_cast<const std::uint8_t*>(end) - data;
    std::string text(reinterpret_cast<const char*>(data), length);
    const std::size_t used = end == nullptr ? length : length + 1;
    data += used;
    size -= used;
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned settings = data[0];
    ++data;
    --size;
    const std::string expression = nextText(data, size);
    const std::string x = nextText(data, size);
    const std::string y = nextText(data, size);
    const std::string z = nextText(data, size);

    resetCalculatorState();
    CalculatorState& state = calculatorState;
    state.displayDecimals = kDisplayDecimals[settings % 7];
    state.groupMode = kGroupModes[settings / 7 % 3];
    state.angleInDegrees = settings / 21 % 2 == 0 ? 1 : 0;
    copyText(state.expressionText, expression.c_str());
    copyText(state.variableTexts[0], x.c_str());
    copyText(state.variableTexts[1], y.c_str());
    copyText(state.variableTexts[2], z.c_str());
    clearRecordedCalls();
    const int placesBefore = workingPlaces;

    recalculate();

    fuzzCheck(workingPlaces == placesBefore, "workingPlaces is restored");
    fuzzCheck(std::memchr(state.resultText, 0, kResultTextCapacity) != nullptr, "resultText is terminated");
    const std::string result = state.resultText;
    fuzzCheck(recordedResultText() == result, "the result box shows resultText");
    if (!isSpecialText(result)) {
        const int fraction = fractionDigitsOf(result, state.groupMode);
        fuzzCheck(fraction >= 0, "the answer is a number in its grouping or a special word");
        fuzzCheck(state.displayDecimals < 0 || fraction <= state.displayDecimals,
                  "the answer has no more decimals than the Display choice");
    }
    return 0;
}
