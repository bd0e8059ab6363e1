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
    int page;  // from 0
};

// A document call that the printer refuses while a CapturedPrintout exists.
enum class PrintFailure { none, startDoc, firstPage, secondPage };

// While one exists, printouts draw on a metafile (or, when cancelled, get no
// context as if the user cancelled the dialog) and the clock reads
// 3/7/2008 1:09 PM. Each StartPage leaves a mark on the metafile, so the
// pages can be told apart.
class CapturedPrintout {
public:
    explicit CapturedPrintout(bool cancelled = false, PrintFailure failure = PrintFailure::none);
    ~CapturedPrintout();
    CapturedPrintout(const CapturedPrintout&) = delete;
    CapturedPrintout& operator=(const CapturedPrintout&) = delete;

    int dialogCalls() const;
    HWND dialogOwner() const;
    bool drawn() const;
    // The printer font's line height and the tab stop (5 average widths).
    int lineHeight() const;
    int tabStop() const;
    // Lines on one page of the metafile's reference device, and whether the
    // printouts' font is of fixed pitch there.
    int linesPerPage() const;
    bool fixedPitch() const;
    int pagesStarted() const;
    bool documentEnded() const;
    bool documentAborted() const;
    // The text records of the pages in drawing order.
    std::vector<PrintedText> texts() const;
    // Page line number -> the text drawn on it: the pieces joined by "|",
    // with `tabbed` one tab per tab stop before the first piece. Every piece
    // must lie on a line position and, with `tabbed`, every line start on a
    // tab position from x 100. Lines of later pages are numbered on from the
    // end of the page before (linesPerPage() to a page).
    std::map<int, std::string> pageLines(bool tabbed = true) const;
};
