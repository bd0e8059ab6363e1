// The printouts: one page of lines on the device context the print dialog
// returns.
#include "printing.h"

#include "calculator_state.h"
#include "saved_calculation_text.h"

#include <commdlg.h>

#include <climits>

#include <string>
#include <string_view>

namespace {

constexpr int kPageOrigin = 100;
constexpr int kTabStopCharacters = 5;
constexpr char kDocumentName[] = "Bitmap Printing Test";

// The standard print dialog: a device context for the chosen printer; the
// printer driver handles copies and collation.
HDC showPrintDialog(HWND owner) {
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nCopies = 1;
    dialog.nFromPage = 0xFFFF;
    dialog.nToPage = 0xFFFF;
    dialog.nMinPage = 1;
    dialog.nMaxPage = 0xFFFF;
    const bool chosen = PrintDlgA(&dialog) != FALSE;
    if (dialog.hDevMode != nullptr) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames != nullptr) GlobalFree(dialog.hDevNames);
    return chosen ? dialog.hDC : nullptr;
}

void deleteDevice(HDC dc) { DeleteDC(dc); }

PrintDialogFunction printDialog = showPrintDialog;
PrintReleaseFunction releaseDevice = deleteDevice;

// One open page: where the lines go and how far apart they are.
struct Page {
    HDC dc;
    int lineHeight;
    int tabStop;
};

// The common opening: dialog, document, page and font metrics. False when
// the dialog was cancelled (nothing to print).
bool openPage(HWND owner, Page& page) {
    page.dc = printDialog(owner);
    if (page.dc == nullptr) return false;
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = kDocumentName;
    StartDocA(page.dc, &document);
    StartPage(page.dc);
    TEXTMETRICA metrics{};
    GetTextMetricsA(page.dc, &metrics);
    page.lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    page.tabStop = kTabStopCharacters * metrics.tmAveCharWidth;
    return true;
}

void closePage(Page& page) {
    EndPage(page.dc);
    EndDoc(page.dc);
    releaseDevice(page.dc);
    page.dc = nullptr;
}

int lineY(const Page& page, int line) { return kPageOrigin + line * page.lineHeight; }

// Draws text on line `line` as it is; an empty text leaves the line empty.
void drawLine(const Page& page, int line, std::string_view text) {
    if (text.empty()) return;
    TextOutA(page.dc, kPageOrigin, lineY(page, line), text.data(), static_cast<int>(text.size()));
}

// Draws text on line `line`, expanding tabs to the one tab stop.
void drawTabbedLine(const Page& page, int line, std::string_view text) {
    if (text.empty()) return;
    int tabStop = page.tabStop;
    TabbedTextOutA(page.dc, kPageOrigin, lineY(page, line), text.data(), static_cast<int>(text.size()), 1,
                   &tabStop, kPageOrigin);
}

// Calls draw(piece) for each line-feed separated piece of text, carriage
// returns dropped; a text without line feeds (an empty one too) is one
// piece, and a final line feed does not start another piece. Stops after
// `maxPieces` pieces.
template <typename Draw>
void forEachLine(std::string_view text, int maxPieces, Draw draw) {
    int pieces = 0;
    std::size_t start = 0;
    do {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string piece;
        for (std::size_t i = start; i < end; ++i) {
            if (text[i] != '\r') piece += text[i];
        }
        draw(piece);
        ++pieces;
        start = end + 1;
    } while (start < text.size() && pieces < maxPieces);
}

std::string printedLine(const char* prefix) { return std::string(prefix) + dateStamp(); }

} // namespace

void installPrintDialog(PrintDialogFunction function) {
    printDialog = function != nullptr ? function : showPrintDialog;
}

void installPrintRelease(PrintReleaseFunction function) {
    releaseDevice = function != nullptr ? function : deleteDevice;
}

void printCalculations(HWND owner) {
    Page page{};
    if (!openPage(owner, page)) return;
    const CalculatorState& s = calculatorState;
    int line = 0;
    drawLine(page, line++, "Marrowfield");
    for (int i = 1; i <= s.savedCount && i <= kMaxSavedCalculations; ++i) {
        ++line;  // one empty line before each saved calculation
        forEachLine(s.savedCalculations[i], INT_MAX, [&](const std::string& piece) { drawLine(page, line++, piece); });
    }
    ++line;  // one empty line before the present calculation
    for (int slot = 1; slot < s.boxCount && slot <= kMaxBoxes; ++slot) drawLine(page, line++, s.boxStore[slot]);
    drawLine(page, line++, std::string(s.inputText) + "=" + s.resultText);
    drawLine(page, line++, printedLine("Printed: "));
    closePage(page);
}

void printLineTable(const char* const* lines, HWND owner, int lineCount) {
    Page page{};
    if (!openPage(owner, page)) return;
    drawLine(page, 0, printedLine("Marrowfield  Printed: "));
    for (int i = 0; lines != nullptr && i < lineCount; ++i) {
        drawTabbedLine(page, i + 1, lines[i] != nullptr ? lines[i] : "");
    }
    closePage(page);
}

void printText(const char* text, HWND owner) {
    Page page{};
    if (!openPage(owner, page)) return;
    drawLine(page, 0, printedLine("Marrowfieldtallymaster  Printed: "));
    int line = 2;
    forEachLine(text != nullptr ? text : "", kMaxPrintedTextLines,
                [&](const std::string& piece) { drawTabbedLine(page, line++, piece); });
    closePage(page);
}
