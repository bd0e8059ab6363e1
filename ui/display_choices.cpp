// The table of Display choices.
#include "display_choices.h"

#include "control_ids.h"

#include <cstring>

const DisplayChoice kDisplayChoices[] = {
    // command             menu label       kind             value places label           word
    {kDisplayNoGroup, "&No Group", kGroupingChoice, 0, 0, nullptr, "none"},
    {kDisplayCommas, "&Commas", kGroupingChoice, -1, 0, nullptr, "commas"},
    {kDisplayGroup5, "&Group-5", kGroupingChoice, 5, 0, nullptr, "5"},
    {kDisplayNoDecimals, "&No Decimals", kDecimalsChoice, 0, 0, "0 Decimals", "0"},
    {kDisplay10Decimals, "&10 Decimals", kDecimalsChoice, 10, 15, "10 Decimals", "10"},
    {kDisplay20Decimals, "&20 Decimals", kDecimalsChoice, 20, 21, "20 Decimals", "20"},
    {kDisplay30Decimals, "&30 Decimals", kDecimalsChoice, 30, 31, "30 Decimals", "30"},
    {kDisplay40Decimals, "&40 Decimals", kDecimalsChoice, 40, 41, "40 Decimals", "40"},
    {kDisplay50Decimals, "&50 Decimals", kDecimalsChoice, 50, 51, "50 Decimals", "50"},
    {kDisplayAllDecimals, "&All Decimals", kDecimalsChoice, -1, 54, "All Decimals", "all"},
};

const std::size_t kDisplayChoiceCount = sizeof kDisplayChoices / sizeof kDisplayChoices[0];

const DisplayChoice* findDisplayChoice(int commandId) {
    for (const DisplayChoice& choice : kDisplayChoices) {
        if (choice.commandId == commandId) return &choice;
    }
    return nullptr;
}

const DisplayChoice* findDisplayChoiceByWord(DisplayChoiceKind kind, const char* word) {
    for (const DisplayChoice& choice : kDisplayChoices) {
        if (choice.kind == kind && std::strcmp(choice.optionWord, word) == 0) return &choice;
    }
    return nullptr;
}

const DisplayChoice& startingDecimals() { return *findDisplayChoice(kDisplay10Decimals); }
