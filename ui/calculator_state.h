// The calculator state record: the process-wide texts, counters and settings
// that the window, the commands, the recalculation, the calculation file and
// printing share. Plain portable data (no windows.h) so that the evaluator
// and its tests use it directly.
//
// Every text is a zero-terminated byte string whose capacity includes the
// terminator; writers go through copyText, which cuts at the capacity.
#pragma once

#include <cstddef>
#include <string>

constexpr int kMaxBoxes = 10;  // popup boxes plus the input box
constexpr std::size_t kBoxTextCapacity = 1000;
constexpr std::size_t kInputTextCapacity = 800;
constexpr std::size_t kExpressionTextCapacity = 752;
constexpr std::size_t kResultTextCapacity = 1000;
constexpr std::size_t kVariableTextCapacity = 1000;
constexpr std::size_t kMemoryTextCapacity = 1000;
constexpr int kMaxSavedCalculations = 30;
constexpr std::size_t kCurrentFileCapacity = 512;  // any path the file dialogs return

// The answer shown instead of a number when the boxes joined do not fit
// expressionText: a cut expression would leave terms out unseen.
constexpr char kTooLongAnswer[] = "TOO LONG";

struct CalculatorState {
    // Boxes: slots 1..kMaxBoxes of boxStore are used (slot 0 stays empty).
    char boxStore[kMaxBoxes + 1][kBoxTextCapacity];
    int boxCount;  // 1..10
    char inputText[kInputTextCapacity];
    char expressionText[kExpressionTextCapacity];
    int expressionTooLong;  // 1 when the joined boxes did not fit expressionText

    // Result of the last recalculation.
    char resultText[kResultTextCapacity];

    // Commands: variables x, y, z (index 0..2), memories 1..3 (index 0..2),
    // saved calculations in slots 1..savedCount (slot 0 unused). A saved
    // calculation keeps its whole text, however long.
    char variableTexts[3][kVariableTextCapacity];
    char memoryTexts[3][kMemoryTextCapacity];
    std::string savedCalculations[kMaxSavedCalculations + 2];
    int savedCount;        // 0..30
    int calculationSaved;  // 1 when nothing is unsaved

    // File.
    char currentFile[kCurrentFileCapacity];

    // Settings.
    int displayDecimals;  // 0, 10, 20, 30, 40, 50, or -1 for all
    int groupMode;        // toText group width: 0 none, -1 commas, 5 fives
    int angleInDegrees;   // 1 degrees, 0 radians
};

// The one process-wide record.
extern CalculatorState calculatorState;

// Puts the record into its start-up state: empty boxes, boxCount 1,
// variables "0.0", no memories, no saved calculations, calculationSaved 1,
// no current file, 10 decimals, no grouping, degrees.
void resetCalculatorState();

// Copies text into a buffer of `capacity` bytes, cut at capacity - 1
// characters and always terminated. A null text copies as "".
void copyText(char* buffer, std::size_t capacity, const char* text);

template <std::size_t N>
void copyText(char (&buffer)[N], const char* text) {
    copyText(buffer, N, text);
}
