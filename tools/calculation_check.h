// Recomputes the calculations of a calculation file as opening the file in
// the window does: each entry's lines become the boxes again, the input line
// is filtered, the boxes are joined and recalculated at the present
// settings; the answer saved with the entry is set beside the new one.
#pragma once

#include <string>

struct CheckedCalculation {
    std::string expression;  // the joined boxes that were recalculated
    bool hasStored;          // the entry holds "=" and a saved answer
    std::string stored;      // that answer
    bool recalculated;       // false when the input line's parentheses do not balance
    std::string recomputed;  // the answer as the result box shows it now
};

// Reads and writes calculatorState (boxes, expression and result).
CheckedCalculation checkCalculation(const std::string& entry);

// True when the answer was recomputed and equals the saved one.
bool answersAgree(const CheckedCalculation& checked);
