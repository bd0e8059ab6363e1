// The three printouts: the calculations (File > Print), a table of lines and
// a text of CR LF separated lines (the help windows). Windows only.
//
// Each printout asks the print dialog for a device context and draws its
// lines at x 100, y 100 + n x line height (the font's height plus its
// external leading), in a fixed-pitch font of 10 points at the printer's
// resolution. A line that would fall below the printable area (100 units
// above its bottom) goes on a new page; a line wider than the printable
// width (up to 100 units before its right edge) continues on the next line.
// A document or page the printer does not start is reported in a "Print
// Error" box.
#pragma once

#include <windows.h>

void printCalculations(HWND owner);
void printLineTable(const char* const* lines, HWND owner, int lineCount);
void printText(const char* text, HWND owner);

// The printouts' font for a device: fixed pitch, 10 points at its
// resolution. The caller deletes it.
HFONT createPrintFont(HDC dc);

// The print dialog: returns a device context to draw the pages on, or
// null when the user cancels. The printouts delete the context when done.
// Tests install their own to draw on a metafile; null restores PrintDlgA.
using PrintDialogFunction = HDC (*)(HWND owner);
void installPrintDialog(PrintDialogFunction function);

// Releasing the context after the page (DeleteDC). A test drawing on an
// enhanced-metafile context installs one that closes the metafile instead
// and keeps it; null restores DeleteDC.
using PrintReleaseFunction = void (*)(HDC dc);
void installPrintRelease(PrintReleaseFunction function);

// The document and page calls on the context (StartDocA, StartPage,
// EndPage, EndDoc, AbortDoc). A metafile context has no documents: tests
// install calls that mark each page on the metafile, or that fail; null
// restores the platform's.
struct PrintDocumentCalls {
    int (*startDoc)(HDC dc, const DOCINFOA* document);
    int (*startPage)(HDC dc);
    int (*endPage)(HDC dc);
    int (*endDoc)(HDC dc);
    int (*abortDoc)(HDC dc);
};
void installPrintDocument(const PrintDocumentCalls* calls);
