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
    if (record->iType != EMR_EXTTEXTOUTW && record->iType != EMR_EXTTEXTOUTA) return 1;
    const auto* out = reinterpret_cast<const EMREXTTEXTOUTA*>(record);
    const char* base = reinterpret_cast<const char*>(record) + out->emrtext.offString;
    std::string text;
    for (DWORD i = 0; i < out->emrtext.nChars; ++i) {
        text += record->iType == EMR_EXTTEXTOUTW ? static_cast<char>(reinterpret_cast<const wchar_t*>(base)[i])
                                                 : base[i];
    }
    auto* texts = reinterpret_cast<std::vector<PrintedText>*>(data);
    if (!text.empty()) texts->push_back({out->emrtext.ptlReference.x, out->emrtext.ptlReference.y, text});
    return 1;
}

} // namespace

CapturedPrintout::CapturedPrintout(bool cancelled) {
    dialogCallCount = 0;
    lastDialogOwner = nullptr;
    drawnPage = nullptr;
    installClock(fixedAfternoon);
    installPrintDialog(cancelled ? cancelledDialog : metafileDialog);
    installPrintRelease(keepMetafile);
    const HDC probe = newMetafileContext();
    GetTextMetricsA(probe, &printerMetrics);
    DeleteEnhMetaFile(CloseEnhMetaFile(probe));
}

CapturedPrintout::~CapturedPrintout() {
    if (drawnPage != nullptr) DeleteEnhMetaFile(drawnPage);
    drawnPage = nullptr;
    installPrintDialog(nullptr);
    installPrintRelease(nullptr);
    installClock(nullptr);
}

int CapturedPrintout::dialogCalls() const { return dialogCallCount; }
HWND CapturedPrintout::dialogOwner() const { return lastDialogOwner; }
bool CapturedPrintout::drawn() const { return drawnPage != nullptr; }
int CapturedPrintout::lineHeight() const { return printerMetrics.tmHeight + printerMetrics.tmExternalLeading; }
int CapturedPrintout::tabStop() const { return 5 * printerMetrics.tmAveCharWidth; }

std::vector<PrintedText> CapturedPrintout::texts() const {
    std::vector<PrintedText> found;
    if (drawnPage != nullptr) EnumEnhMetaFile(nullptr, drawnPage, collectText, &found, nullptr);
    return found;
}

std::map<int, std::string> CapturedPrintout::pageLines() const {
    std::map<int, std::string> lines;
    if (lineHeight() <= 0 || tabStop() <= 0) {
        ADD_FAILURE() << "the metafile context has no font metrics";
        return lines;
    }
    for (const PrintedText& piece : texts()) {
        EXPECT_EQ((piece.y - 100) % lineHeight(), 0) << piece.text;
        std::string& text = lines[(piece.y - 100) / lineHeight()];
        if (text.empty()) {
            EXPECT_EQ((piece.x - 100) % tabStop(), 0) << piece.text;
            text.assign(static_cast<std::size_t>(std::max(0, (piece.x - 100) / tabStop())), '\t');
        } else {
            text += "|";
        }
        text += piece.text;
    }
    return lines;
}
