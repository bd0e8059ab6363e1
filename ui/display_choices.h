// The Display menu's choices, one row each in menu order: the command, the
// menu label, what the choice sets and the word tallymaster-eval takes for
// it. The menu bar, the Decimals label, the command dispatch and the batch
// evaluator's options all read this table.
#pragma once

#include <cstddef>

enum DisplayChoiceKind : unsigned char {
    kGroupingChoice,  // sets groupMode
    kDecimalsChoice,  // sets displayDecimals, the Decimals label and maybe workingPlaces
};

struct DisplayChoice {
    int commandId;
    const char* menuLabel;  // with its & mnemonic
    DisplayChoiceKind kind;
    int value;               // grouping: groupMode (0 none, -1 commas, 5); decimals: displayDecimals (-1 all)
    int workingPlaces;       // decimals: the working places set with them; 0 leaves them as they are
    const char* label;       // decimals: the Decimals label's text; grouping: null
    const char* optionWord;  // after tallymaster-eval's --group or --decimals
};

extern const DisplayChoice kDisplayChoices[];
extern const std::size_t kDisplayChoiceCount;

// The row of a command identifier, or null when it is no Display choice.
const DisplayChoice* findDisplayChoice(int commandId);
// The row of the given kind whose option word is word, or null.
const DisplayChoice* findDisplayChoiceByWord(DisplayChoiceKind kind, const char* word);
// The decimals the calculator starts with.
const DisplayChoice& startingDecimals();
