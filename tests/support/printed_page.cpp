// Printouts captured on an enhanced metafile (printed_page.h).
#include "printed_page.h"

#include "printing.h"
#include "saved_calculation_text.h"

#include <gtest/gtest.h>

#include <algorithm>

const char kPrintedStamp[] = "3/7/2008 1:09 PM";

namespace {

int dialogCallCount = 0;
HWND lastDialogOwner = nullptr;
HENHMETAFILE drawnPage = nullptr;
TEXTMETRICA printerMetrics{};
int printerLinesPerPage = 1;
PrintFailure refusedCall = PrintFailure::none;
int pagesStartedCount = 0;
bool endedDocument = false;
bool abortedDocument = false;

constexpr char kPageMark[] = "tallymaster page";

int metafileStartDoc(HDC, const DOCINFOA*) { return refusedCall == PrintFailure::startDoc ? 0 : 1; }

int metafileStartPage(HDC dc) {
    ++pagesStartedCount;
    if (refusedCall == PrintFailure::firstPage && pagesStartedCount == 1) return 0;
    if (refusedCall == PrintFailure::secondPage && pagesStartedCount == 2) return 0;
    GdiComment(dc, sizeof kPageMark, reinterpret_cast<const BYTE*>(kPageMark));
    return 1;
}

int metafileEndPage(HDC) { return 1; }

int metafileEndDoc(HDC) {
    endedDocument = true;
    return 1;
}

int metafileAbortDoc(HDC) {
    abortedDocument = true;
    return 1;
}

const PrintDocumentCalls kMetafileDocument = {metafileStartDoc, metafileStartPage, metafileEndPage, metafileEndDoc,
                                              metafileAbortDoc};

struct Collected {
    std::vector<PrintedText> texts;
    int page = -1;
};

LocalTime fixedAfternoon() { return {2008, 3, 7, 13, 9}; }

// The screen as reference, the system font selected (a metafile context has
// no font metrics before).
HDC newMetafileContext() {
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateEnhMetaFileA(screen, nullptr, nullptr, nullptr);
    ReleaseDC(nullptr, screen);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    return dc;
}

HDC metafileDialog(HWND owner) {
    ++dialogCallCount;
    lastDialogOwner = owner;
    return newMetafileContext();
}

HDC cancelledDialog(HWND owner) {
    ++dialogCallCount;
    lastDialogOwner = owner;
    return nullptr;
}

void keepMetafile(HDC dc) {
    if (drawnPage != nullptr) DeleteEnhMetaFile(drawnPage);
    drawnPage = CloseEnhMetaFile(dc);
}

int CALLBACK collectText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    auto* collected = reinterpret_cast<Collected*>(data);
    if (record->iType == EMR_GDICOMMENT) {
        const auto* comment = reinterpret_cast<const EMRGDICOMMENT*>(record);
        if (comment->cbData == sizeof kPageMark &&
            std::string(reinterpret_cast<const char*>(comment->Data)) == kPageMark) {
            ++collected->page;
        }
        return 1;
    }
    if (record->iType != EMR_EXTTEXTOUTW && record->iType != EMR_EXTTEXTOUTA) return 1;
    const auto* out = reinterpret_cast<const EMREXTTEXTOUTA*>(record);
    const char* base = reinterpret_cast<const char*>(record) + out->emrtext.offString;
    std::string text;
    for (DWORD i = 0; i < out->emrtext.nChars; ++i) {
        text +=
            record->iType == EMR_EXTTEXTOUTW ? static_cast<char>(reinterpret_cast<const wchar_t*>(base)[i]) : base[i];
    }
    if (!text.empty()) {
        collected->texts.push_back({out->emrtext.ptlReference.x, out->emrtext.ptlReference.y, text, collected->page});
    }
    return 1;
}

}  // namespace

CapturedPrintout::CapturedPrintout(bool cancelled, PrintFailure failure) {
    refusedCall = failure;
    pagesStartedCount = 0;
    endedDocument = false;
    abortedDocument = false;
    installPrintDocument(&kMetafileDocument);
    dialogCallCount = 0;
    lastDialogOwner = nullptr;
    drawnPage = nullptr;
    installClock(fixedAfternoon);
    installPrintDialog(cancelled ? cancelledDialog : metafileDialog);
    installPrintRelease(keepMetafile);
    // The printouts' own font on a context like the one they draw on.
    const HDC probe = newMetafileContext();
    const HFONT font = createPrintFont(probe);
    const HGDIOBJ previous = SelectObject(probe, font);
    GetTextMetricsA(probe, &printerMetrics);
    const int height = printerMetrics.tmHeight + printerMetrics.tmExternalLeading;
    printerLinesPerPage = height > 0 ? (GetDeviceCaps(probe, VERTRES) - 200) / height : 1;
    SelectObject(probe, previous);
    DeleteObject(font);
    DeleteEnhMetaFile(CloseEnhMetaFile(probe));
}

CapturedPrintout::~CapturedPrintout() {
    if (drawnPage != nullptr) DeleteEnhMetaFile(drawnPage);
    drawnPage = nullptr;
    installPrintDialog(nullptr);
    installPrintRelease(nullptr);
    installPrintDocument(nullptr);
    installClock(nullptr);
}

int CapturedPrintout::dialogCalls() const { return dialogCallCount; }
HWND CapturedPrintout::dialogOwner() const { return lastDialogOwner; }
bool CapturedPrintout::drawn() const { return drawnPage != nullptr; }
int CapturedPrintout::lineHeight() const { return printerMetrics.tmHeight + printerMetrics.tmExternalLeading; }
int CapturedPrintout::tabStop() const { return 5 * printerMetrics.tmAveCharWidth; }
int CapturedPrintout::linesPerPage() const { return printerLinesPerPage; }
bool CapturedPrintout::fixedPitch() const {
    // TMPF_FIXED_PITCH set means a variable-pitch font.
    return (printerMetrics.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0;
}

int CapturedPrintout::pagesStarted() const { return pagesStartedCount; }
bool CapturedPrintout::documentEnded() const { return endedDocument; }
bool CapturedPrintout::documentAborted() const { return abortedDocument; }

std::vector<PrintedText> CapturedPrintout::texts() const {
    Collected found;
    if (drawnPage != nullptr) EnumEnhMetaFile(nullptr, drawnPage, collectText, &found, nullptr);
    return found.texts;
}

std::map<int, std::string> CapturedPrintout::pageLines(bool tabbed) const {
    std::map<int, std::string> lines;
    if (lineHeight() <= 0 || tabStop() <= 0) {
        ADD_FAILURE() << "the metafile context has no font metrics";
        return lines;
    }
    // All pages land on one metafile; the lines of a later page go on
    // counting from the last page's end.
    for (const PrintedText& piece : texts()) {
        EXPECT_EQ((piece.y - 100) % lineHeight(), 0) << piece.text;
        EXPECT_LT((piece.y - 100) / lineHeight(), linesPerPage()) << piece.text;
        std::string& text = lines[piece.page * linesPerPage() + (piece.y - 100) / lineHeight()];
        if (!text.empty()) {
            text += "|";
        } else if (tabbed) {
            EXPECT_EQ((piece.x - 100) % tabStop(), 0) << piece.text;
            text.assign(static_cast<std::size_t>(std::max(0, (piece.x - 100) / tabStop())), '\t');
        }
        text += piece.text;
    }
    return lines;
}
