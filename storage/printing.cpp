// The printouts: lines of a fixed-pitch font on the device context the print
// dialog returns, as many pages as they need.
#include "printing.h"

#include "calculator_state.h"
#include "date_stamp.h"
#include "table_columns.h"

#include <commdlg.h>

#include <algorithm>
#include <climits>

#include <string>
#include <string_view>

namespace {

constexpr int kPageOrigin = 100;
constexpr int kTabStopCharacters = 5;

constexpr int kFontPoints = 10;
constexpr char kDocumentName[] = "Bitmap Printing Test";
constexpr char kPrintErrorTitle[] = "Print Error";

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

// The platform's calls, in the seam's calling convention (a 32-bit build's
// API functions are stdcall).
int platformStartDoc(HDC dc, const DOCINFOA* document) { return StartDocA(dc, document); }
int platformStartPage(HDC dc) { return StartPage(dc); }
int platformEndPage(HDC dc) { return EndPage(dc); }
int platformEndDoc(HDC dc) { return EndDoc(dc); }
int platformAbortDoc(HDC dc) { return AbortDoc(dc); }

const PrintDocumentCalls kPlatformDocument = {platformStartDoc, platformStartPage, platformEndPage, platformEndDoc,
                                              platformAbortDoc};

PrintDialogFunction printDialog = showPrintDialog;
PrintReleaseFunction releaseDevice = deleteDevice;
PrintDocumentCalls documentCalls = kPlatformDocument;

void showPrintError(const char* what) { MessageBoxA(nullptr, what, kPrintErrorTitle, MB_OK | MB_ICONEXCLAMATION); }

// The document being printed: where the next line goes and how many fit.
// Lines are counted from the top of the page; a line that would fall below
// the printable area starts a new page.
struct Page {
    HDC dc;
    HFONT font;
    HGDIOBJ previousFont;
    int lineHeight;
    int characterWidth;
    int tabStop;
    int linesPerPage;
    int printableWidth;  // from the origin to the right margin
    int line;            // the next line on the present page
    bool failed;         // a new page could not be started: stop drawing
};

// The common opening: dialog, document, first page and font. False when the
// dialog was cancelled or the document or its first page could not start
// (then reported, and nothing is printed).
bool openPage(HWND owner, Page& page) {
    page = Page{};
    page.dc = printDialog(owner);
    if (page.dc == nullptr) return false;
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = kDocumentName;
    if (documentCalls.startDoc(page.dc, &document) <= 0) {
        showPrintError("The printer did not start the document (StartDoc failed). Nothing was printed.");
        releaseDevice(page.dc);
        return false;
    }
    if (documentCalls.startPage(page.dc) <= 0) {
        documentCalls.abortDoc(page.dc);
        showPrintError("The printer did not start the first page (StartPage failed). Nothing was printed.");
        releaseDevice(page.dc);
        return false;
    }
    page.font = createPrintFont(page.dc);
    page.previousFont = page.font != nullptr ? SelectObject(page.dc, page.font) : nullptr;
    TEXTMETRICA metrics{};
    GetTextMetricsA(page.dc, &metrics);
    page.lineHeight = std::max(1, static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading));
    page.characterWidth = std::max(1, static_cast<int>(metrics.tmAveCharWidth));
    page.tabStop = kTabStopCharacters * page.characterWidth;
    // The same margin below and right as above and left of the text.
    const int height = GetDeviceCaps(page.dc, VERTRES);
    const int width = GetDeviceCaps(page.dc, HORZRES);
    page.linesPerPage = std::max(1, (height - 2 * kPageOrigin) / page.lineHeight);
    page.printableWidth = std::max(page.characterWidth, width - 2 * kPageOrigin);
    return true;
}

void closePage(Page& page) {
    if (!page.failed) {
        documentCalls.endPage(page.dc);
        documentCalls.endDoc(page.dc);
    }
    if (page.previousFont != nullptr) SelectObject(page.dc, page.previousFont);
    releaseDevice(page.dc);
    if (page.font != nullptr) DeleteObject(page.font);
    page.dc = nullptr;
}

// The y of the next line, after starting a new page when the present one is
// full; false when that page could not be started (the document is then
// given up and the failure reported).
bool nextLineY(Page& page, int& y) {
    if (page.failed) return false;
    if (page.line >= page.linesPerPage) {
        documentCalls.endPage(page.dc);
        if (documentCalls.startPage(page.dc) <= 0) {
            page.failed = true;
            documentCalls.abortDoc(page.dc);
            showPrintError("The printer did not start a new page (StartPage failed). The printout was given up.");
            return false;
        }
        // A new page starts with the font the printer driver may have reset.
        if (page.font != nullptr) SelectObject(page.dc, page.font);
        page.line = 0;
    }
    y = kPageOrigin + page.line * page.lineHeight;
    ++page.line;
    return true;
}

void skipLine(Page& page) {
    int y = 0;
    nextLineY(page, y);
}

int textWidth(const Page& page, std::string_view text) {
    SIZE size{};
    GetTextExtentPoint32A(page.dc, text.data(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
}

// How many characters of text, from `start`, fit `room` from the origin,
// with tabs expanded to the tab stops when `tabbed`; at least one. A piece
// that must break ends after its last blank when that lies in its second
// half, so that words stay whole; otherwise where the room ends (a long
// number).
std::size_t fittingLength(const Page& page, std::string_view text, std::size_t start, bool tabbed, int room) {
    int x = 0;
    std::size_t end = start;
    for (; end < text.size(); ++end) {
        int next = x + textWidth(page, text.substr(end, 1));
        if (tabbed && text[end] == '\t') next = (x / page.tabStop + 1) * page.tabStop;
        if (next > room) break;
        x = next;
    }
    if (end == start) return 1;
    if (end == text.size()) return end - start;
    const std::size_t blank = text.rfind(' ', end - 1);
    if (blank != std::string_view::npos && blank > start && blank - start >= (end - start) / 2) {
        return blank + 1 - start;
    }
    return end - start;
}

// Draws text at `indent` from the origin, continued at the same indent on
// as many further lines as it needs; an empty text leaves one line empty.
// With `tabbed`, tabs go to the one tab stop (every five character widths
// from the origin).
void drawLine(Page& page, std::string_view text, bool tabbed = false, int indent = 0) {
    const int room = page.printableWidth - indent;
    std::size_t start = 0;
    do {
        const std::size_t length = text.empty() ? 0 : fittingLength(page, text, start, tabbed, room);
        int y = 0;
        if (!nextLineY(page, y)) return;
        const char* piece = text.data() + start;
        const int count = static_cast<int>(length);
        if (count > 0 && tabbed) {
            int tabStop = page.tabStop;
            TabbedTextOutA(page.dc, kPageOrigin + indent, y, piece, count, 1, &tabStop, kPageOrigin);
        } else if (count > 0) {
            TextOutA(page.dc, kPageOrigin + indent, y, piece, count);
        }
        start += length;
    } while (start < text.size());
}

// Draws a table row with its fields in their columns. A last field that
// runs past the right margin goes on under itself; a row whose earlier
// fields do not fit is drawn as plain text, its fields a blank apart.
void drawTableRow(Page& page, const TableColumns& columns, std::string_view row, const TextWidth& width) {
    const std::vector<PlacedField> fields = placeRow(columns, row, width);
    if (fields.empty()) {
        skipLine(page);
        return;
    }
    const PlacedField& last = fields.back();
    const int lastRoom = page.printableWidth - last.x;
    if (lastRoom < page.printableWidth / 4) {
        std::string plain;
        for (const PlacedField& field : fields) plain += (plain.empty() ? "" : " ") + std::string(field.text);
        drawLine(page, plain);
        return;
    }
    int y = 0;
    if (fields.size() == 1) {
        drawLine(page, last.text, false, last.x);
        return;
    }
    // The earlier fields on the first line, the last one from there on.
    const std::size_t firstLength = fittingLength(page, last.text, 0, false, lastRoom);
    if (!nextLineY(page, y)) return;
    for (std::size_t i = 0; i + 1 < fields.size(); ++i) {
        TextOutA(page.dc, kPageOrigin + fields[i].x, y, fields[i].text.data(), static_cast<int>(fields[i].text.size()));
    }
    TextOutA(page.dc, kPageOrigin + last.x, y, last.text.data(), static_cast<int>(firstLength));
    if (firstLength < last.text.size()) drawLine(page, last.text.substr(firstLength), false, last.x);
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

}  // namespace

HFONT createPrintFont(HDC dc) {
    const int height = -MulDiv(kFontPoints, GetDeviceCaps(dc, LOGPIXELSY), 72);
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
}

void installPrintDialog(PrintDialogFunction function) {
    printDialog = function != nullptr ? function : showPrintDialog;
}

void installPrintRelease(PrintReleaseFunction function) {
    releaseDevice = function != nullptr ? function : deleteDevice;
}

void installPrintDocument(const PrintDocumentCalls* calls) {
    documentCalls = calls != nullptr ? *calls : kPlatformDocument;
}

void printCalculations(HWND owner) {
    Page page{};
    if (!openPage(owner, page)) return;
    const CalculatorState& s = calculatorState;
    drawLine(page, "Marrowfield");
    for (int i = 1; i <= s.savedCount && i <= kMaxSavedCalculations; ++i) {
        skipLine(page);  // one empty line before each saved calculation
        forEachLine(s.savedCalculations[i], INT_MAX, [&](const std::string& piece) { drawLine(page, piece); });
    }
    skipLine(page);  // one empty line before the present calculation
    for (int slot = 1; slot < s.boxCount && slot <= kMaxBoxes; ++slot) drawLine(page, s.boxStore[slot]);
    drawLine(page, std::string(s.inputText) + "=" + s.resultText);
    drawLine(page, printedLine("Printed: "));
    closePage(page);
}

void printLineTable(const char* const* lines, HWND owner, int lineCount) {
    Page page{};
    if (!openPage(owner, page)) return;
    const TextWidth width = [&page](std::string_view text) { return textWidth(page, text); };
    const TableColumns columns = measureColumns(lines, lineCount, width, kTableGapCharacters * page.characterWidth,
                                                kTableIndentCharacters * page.characterWidth);
    drawLine(page, printedLine("Marrowfield  Printed: "));
    for (int i = 0; lines != nullptr && i < lineCount; ++i) {
        drawTableRow(page, columns, lines[i] != nullptr ? lines[i] : "", width);
    }
    closePage(page);
}

void printText(const char* text, HWND owner) {
    Page page{};
    if (!openPage(owner, page)) return;
    drawLine(page, printedLine("Marrowfieldtallymaster  Printed: "));
    skipLine(page);
    forEachLine(text != nullptr ? text : "", INT_MAX, [&](const std::string& piece) { drawLine(page, piece, true); });
    closePage(page);
}
