// The text rules of the input and popup boxes: the input filter, the
// parenthesis depth, the pop-up test, the joined expression with its
// trailing trim, and splitting a stored calculation text into box slots.
// Portable: works on calculatorState only, no window calls.
#pragma once

#include <string>

// Removes, in place, every d f h j k m u v w, comma, blank and upper-case
// letter other than E; the rest closes up.
void filterInputText(char* text);

// Number of "(" minus number of ")".
int parenthesisDepth(const char* text);

// True when the filtered input ends a term: two characters or more, ending in
// "+" or "-" not preceded by "E", balanced parentheses, and room for another
// popup box (boxCount below 10).
bool isFinishedTerm(const char* text, int depth, int boxCount);

// Drops the last character of text unless it is a digit, ".", "i", "x", "y",
// "z" or ")" (one character at most).
void trimTrailingCharacter(std::string& text);

// expressionText = boxStore slots 1..boxCount-1 + inputText, cut at the
// expression capacity, then trimmed; expressionTooLong is set when the
// trimmed join is longer than the capacity, so the answer can be refused.
void buildExpressionText();

// Splits a calculation text (term lines, the input line, then "=" and
// whatever follows) into boxStore: terms in slots 1..boxCount-1, the input
// line in slot boxCount. Reads at most `limit` characters and stops at the
// terminator. Term lines beyond the ninth are joined onto the ninth, so the
// ten slots are never exceeded and the joined expression keeps its value.
// Returns the new boxCount.
int splitCalculationText(const char* text, int limit);

// The text without blanks and commas (an answer shown with grouping, made
// readable as one number again).
std::string ungroupedText(const char* text);
