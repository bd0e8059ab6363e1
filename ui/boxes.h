// The input box and the popup boxes: reading and filtering the boxes after
// every change, popping a finished term up into a new popup box, joining
// the expression, and rebuilding the boxes from a calculation text.
// changeHandling, clearBoxes and restoreBoxes are declared in
// window_services.h for the file commands.
#pragma once

#include "window_services.h"

// Moves the finished term of inputText into a new popup box; the operator
// stays behind in the input box.
void popUp();

// Reads the popup boxes back into boxStore and rebuilds expressionText.
void joinExpression();

// Puts text into the input box and moves the caret behind its end.
void setInputBoxText(const char* text);

// Sends the input box `count` right-arrow key-downs.
void moveInputCaretRight(int count);
