// Helpers of the help window tests: opening a help window through the main
// window's Help command, window geometry, and a printout drawn on a metafile
// through the printing seams and read back as page lines.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

// Sends Help command 1, 16 or 17 to the main window; the window it opened.
HWND openHelpThroughMenu(int commandId);

// Every top-level window of this thread with the given class.
std::vector<HWND> threadWindowsOfClass(const char* windowClass);

// Outer rectangle in screen coordinates.
RECT outerRect(HWND window);

// Line height of the window's own font (height plus external leading).
int fontLineHeight(HWND window);

// The CR LF separated lines of a text.
std::vector<std::string> crLfLines(const std::string& text);
// A row as the page shows it: its leading tabs, then its tab pieces, empty
// ones left out, joined by "|".
std::string tabPieces(const std::string& row);

// While one exists, printouts draw on an enhanced metafile instead of a
// printer and the clock reads 3/7/2008 1:09 PM.
class CapturedPrintout {
public:
    CapturedPrintout();
    ~CapturedPrintout();
    CapturedPrintout(const CapturedPrintout&) = delete;
    CapturedPrintout& operator=(const CapturedPrintout&) = delete;

    int dialogCalls() const;
    HWND dialogOwner() const;
    // Page line number -> the text drawn on it: one tab per tab stop before
    // its first piece, the pieces joined by "|". Every piece must lie on a
    // line position and every line start on a tab position from x 100.
    std::map<int, std::string> pageLines() const;
};

extern const char kPrintedStamp[];
