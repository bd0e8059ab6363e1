// The saved calculation text (also the calculation file's entry format),
// which ends in the date stamp (date_stamp.h). Portable.
#pragma once

#include "date_stamp.h"

#include <string>

// The present calculation as a saved calculation text: each non-empty popup
// term (slots 1..boxCount-1, oldest first) followed by a line feed, then
// inputText, "=", resultText, "\nSaved: " and the stamp; no line feed after
// the stamp. Line breaks inside a box text are left out, and popup boxes
// left empty add no line, so the text never holds an empty line (which would
// end an entry in the calculation file).
std::string savedCalculationText(const char* stamp);
