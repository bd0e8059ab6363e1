// The three printouts: the calculations (File > Print), a table of lines and
// a text of CR LF separated lines (the help windows). Windows only.
//
// Each printout asks the print dialog for a device context, draws one page
// of lines at x 100, y 100 + n x line height (line height: the font's height
// plus its external leading) and releases the context.
#pragma once

#include <windows.h>

void printCalculations(HWND owner);
void printLineTable(const char* const* lines, HWND owner, int lineCount);
void printText(const char* text, HWND owner);

// At most this many lines of a text printout's text are drawn.
constexpr int kMaxPrintedTextLines = 99;

// The print dialog: returns a device context to draw the one page on, or
// null when the user cancels. The printouts delete the context when done.
// Tests install their own to draw on a metafile; null restores PrintDlgA.
using PrintDialogFunction = HDC (*)(HWND owner);
void installPrintDialog(PrintDialogFunction function);

// Releasing the context after the page (DeleteDC). A test drawing on an
// enhanced-metafile context installs one that closes the metafile instead
// and keeps it; null restores DeleteDC.
using PrintReleaseFunction = void (*)(HDC dc);
void installPrintRelease(PrintReleaseFunction function);
