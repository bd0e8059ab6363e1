// Helpers of the help window tests.
#include "help_window_support.h"

#include "help_windows.h"
#include "printing.h"
#include "saved_calculation_text.h"
#include "window_driver.h"

#include <gtest/gtest.h>

#include <algorithm>

const char kPrintedStamp[] = "3/7/2008 1:09 PM";

HWND openHelpThroughMenu(int commandId)
{
    sendCommand(commandId);
    pumpMessages();
    return latestHelpWindow(commandId);
}

namespace {

struct ClassSearch {
    const char* windowClass;
    std::vector<HWND> found;
};

BOOL CALLBACK collectOfClass(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<ClassSearch*>(data);
    if (IsWindow(window) && className(window) == search->windowClass) {
        search->found.push_back(window);
    }
    return TRUE;
}

LocalTime fixedAfternoon() { return {2008, 3, 7, 13, 9}; }

HDC newMetafileContext()
{
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateEnhMetaFileA(screen, nullptr, nullptr, nullptr);
    ReleaseDC(nullptr, screen);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    return dc;
}

int dialogCallCount = 0;
HWND lastDialogOwner = nullptr;
HENHMETAFILE drawnPage = nullptr;
int printerLineHeight = 0;
int printerTabStop = 0;

HDC metafileDialog(HWND owner)
{
    ++dialogCallCount;
    lastDialogOwner = owner;
    return newMetafileContext();
}

void keepMetafile(HDC dc)
{
    if (drawnPage != nullptr) DeleteEnhMetaFile(drawnPage);
    drawnPage = CloseEnhMetaFile(dc);
}

struct TextRecord {
    int x;
    int y;
    std::string text;
};

int CALLBACK collectText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data)
{
    auto* records = reinterpret_cast<std::vector<TextRecord>*>(data);
    if (record->iType != EMR_EXTTEXTOUTW && record->iType != EMR_EXTTEXTOUTA) return 1;
    const auto* out = reinterpret_cast<const EMREXTTEXTOUTA*>(record);
    const char* base = reinterpret_cast<const char*>(record) + out->emrtext.offString;
    std::string text;
    for (DWORD i = 0; i < out->emrtext.nChars; ++i) {
        text += record->iType == EMR_EXTTEXTOUTW ? static_cast<char>(reinterpret_cast<const wchar_t*>(base)[i])
                                                 : base[i];
    }
    if (!text.empty()) records->push_back({out->emrtext.ptlReference.x, out->emrtext.ptlReference.y, text});
    return 1;
}

} // namespace

std::vector<HWND> threadWindowsOfClass(const char* windowClass)
{
    ClassSearch search{windowClass, {}};
    EnumThreadWindows(GetCurrentThreadId(), collectOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

RECT outerRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

int fontLineHeight(HWND window)
{
    HDC dc = GetDC(window);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    ReleaseDC(window, dc);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

std::vector<std::string> crLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, at - start));
        start = at + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::string tabPieces(const std::string& row)
{
    std::size_t start = row.find_first_not_of('\t');
    if (start == std::string::npos) return "";
    std::string joined = row.substr(0, start);
    const std::size_t indent = start;
    while (start <= row.size()) {
        std::size_t tab = row.find('\t', start);
        if (tab == std::string::npos) tab = row.size();
        if (tab > start) {
            if (joined.size() > indent) joined += "|";
            joined += row.substr(start, tab - start);
        }
        start = tab + 1;
    }
    return joined;
}

CapturedPrintout::CapturedPrintout()
{
    dialogCallCount = 0;
    lastDialogOwner = nullptr;
    drawnPage = nullptr;
    installClock(fixedAfternoon);
    installPrintDialog(metafileDialog);
    installPrintRelease(keepMetafile);
    const HDC probe = newMetafileContext();
    TEXTMETRICA metrics{};
    GetTextMetricsA(probe, &metrics);
    DeleteEnhMetaFile(CloseEnhMetaFile(probe));
    printerLineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    printerTabStop = 5 * metrics.tmAveCharWidth;
}

CapturedPrintout::~CapturedPrintout()
{
    if (drawnPage != nullptr) DeleteEnhMetaFile(drawnPage);
    drawnPage = nullptr;
    installPrintDialog(nullptr);
    installPrintRelease(nullptr);
    installClock(nullptr);
}

int CapturedPrintout::dialogCalls() const { return dialogCallCount; }

HWND CapturedPrintout::dialogOwner() const { return lastDialogOwner; }

std::map<int, std::string> CapturedPrintout::pageLines() const
{
    std::vector<TextRecord> records;
    if (drawnPage != nullptr) EnumEnhMetaFile(nullptr, drawnPage, collectText, &records, nullptr);
    std::map<int, std::string> lines;
    if (printerLineHeight <= 0 || printerTabStop <= 0) return lines;
    for (const TextRecord& record : records) {
        EXPECT_EQ((record.y - 100) % printerLineHeight, 0) << record.text;
        std::string& text = lines[(record.y - 100) / printerLineHeight];
        if (text.empty()) {
            EXPECT_EQ((record.x - 100) % printerTabStop, 0) << record.text;
            text.assign(static_cast<std::size_t>(std::max(0, (record.x - 100) / printerTabStop)), '\t');
        } else {
            text += "|";
        }
        text += record.text;
    }
    return lines;
}
