// The saved calculation text (also the calculation file's entry format) and
// the date stamp that ends it. Portable: the clock is read through a seam so
// that tests can fix the time.
#pragma once

#include <string>

struct LocalTime {
    int year;    // four digits
    int month;   // 1..12
    int day;     // 1..31
    int hour;    // 0..23
    int minute;  // 0..59
};

// Replaces the clock (nullptr restores the system's local time).
void installClock(LocalTime (*readClock)());

// "month/day/year hour:minute AM|PM" with a 12-hour hour (0:05 AM, 12:30 PM,
// 3/7/2008 1:07 PM). The text lives in a shared 32-byte buffer that the next
// call overwrites.
const char* dateStamp();

// The present calculation as a saved calculation text: each non-empty popup
// term (slots 1..boxCount-1, oldest first) followed by a line feed, then
// inputText, "=", resultText, "\nSaved: " and the stamp; no line feed after
// the stamp. Line breaks inside a box text are left out, and popup boxes
// left empty add no line, so the text never holds an empty line (which would
// end an entry in the calculation file).
std::string savedCalculationText(const char* stamp);
