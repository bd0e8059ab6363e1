// Appending and inserting menu items with the main window's item records.
#pragma once

#include <windows.h>

// An ordinary item (label and command identifier) at `position`, or at the
// end when position is past it or negative.
void insertCommandItem(HMENU menu, int position, const char* label, int id);
void insertSeparator(HMENU menu, int position);
// A bar entry opening `popup`, at the end of the bar.
void appendSubmenu(HMENU bar, const char* label, HMENU popup);
