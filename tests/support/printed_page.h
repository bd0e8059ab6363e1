// Printouts drawn on an enhanced metafile instead of a printer, for the
// Win32 tests: the print-dialog seam hands out a metafile context, and the
// page's text records are read back with their positions.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

// The stamp the fixed clock gives while a CapturedPrintout exists.
extern const char kPrintedStamp[];

struct PrintedText {
    int x;
    int y;
    std::string text;
};

// While one exists, printouts draw on a metafile (or, when cancelled, get no
// context as if the user cancelled the dialog) and the clock reads
// 3/7/2008 1:09 PM.
class CapturedPrintout {
public:
    explicit CapturedPrintout(bool cancelled = false);
    ~CapturedPrintout();
    CapturedPrintout(const CapturedPrintout&) = delete;
    CapturedPrintout& operator=(const CapturedPrintout&) = delete;

    int dialogCalls() const;
    HWND dialogOwner() const;
    bool drawn() const;
    // The printer font's line height and the tab stop (5 average widths).
    int lineHeight() const;
    int tabStop() const;
    // The text records of the page in drawing order.
    std::vector<PrintedText> texts() const;
    // Page line number -> the text drawn on it: one tab per tab stop before
    // its first piece, the pieces joined by "|". Every piece must lie on a
    // line position and every line start on a tab position from x 100.
    std::map<int, std::string> pageLines() const;
};
