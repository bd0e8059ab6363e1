// Fuzz target: the calculation file reader and what opening a file does with
// the boxes. A file it accepts holds 1..31 entries, fills the saved
// calculations and the boxes within their capacities, and, written back,
// reads back to the same saved calculations.
#include "box_text.h"
#include "calculation_file_text.h"
#include "calculator_state.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

template <std::size_t N>
bool isTerminated(const char (&text)[N]) {
    return std::memchr(text, 0, N) != nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> entries;
    if (!parseCalculationFileText(bytes, entries)) {
        fuzzCheck(entries.empty(), "a refused file leaves the entries untouched");
        return 0;
    }
    fuzzCheck(!entries.empty() && entries.size() <= kMaxSavedCalculations + 1, "an accepted file holds 1..31 entries");

    // Opening: the entries become the saved calculations, the last one the
    // boxes.
    resetCalculatorState();
    CalculatorState& state = calculatorState;
    const std::string present = installCalculationFileEntries(entries);
    fuzzCheck(state.savedCount == static_cast<int>(entries.size()) - 1, "savedCount is the entry count less one");
    state.boxCount = splitCalculationText(present.c_str(), static_cast<int>(present.size()));
    fuzzCheck(state.boxCount >= 1 && state.boxCount <= kMaxBoxes, "boxCount stays in 1..10");
    for (int k = 1; k <= kMaxBoxes; ++k) fuzzCheck(isTerminated(state.boxStore[k]), "every box slot is terminated");
    copyText(state.inputText, state.boxStore[state.boxCount]);
    filterInputText(state.inputText);
    buildExpressionText();
    fuzzCheck(isTerminated(state.expressionText), "the joined expression is terminated");

    // Saving and opening again keeps every saved calculation.
    std::vector<std::string> again;
    fuzzCheck(parseCalculationFileText(buildCalculationFileText("1/1/2026 0:00 AM"), again),
              "a written file reads back");
    fuzzCheck(again.size() == entries.size(), "a written file keeps its entry count");
    for (std::size_t e = 0; e + 1 < entries.size(); ++e) {
        fuzzCheck(again[e] == entries[e], "a written file keeps every saved calculation");
    }
    return 0;
}
