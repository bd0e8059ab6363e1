// The input box and the popup boxes: reading and filtering the boxes after
// every change, popping a finished term up into a new popup box, joining
// the expression, and rebuilding the boxes from a calculation text.
// changeHandling, clearBoxes and restoreBoxes are declared in
// window_services.h for the file commands.
#pragma once

#include "window_services.h"

// Sends the input box `count` right-arrow key-downs.
void moveInputCaretRight(int count);
