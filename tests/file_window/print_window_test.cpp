// The printouts end to end: the real print dialog answered by the dialog
// hook, the pages printed through Wine and CUPS to the PDF printer (cups-pdf,
// set up by tools/setup-printing.sh), the PDF read back with pdftotext. The
// printer is shared: each printout carries a stamp of its own (a clock set
// to a date nobody else prints), and the test takes the PDF that holds it.
#include "case_label.h"
#include "help_texts.h"
#include "help_windows.h"
#include "printing.h"
#include "saved_calculation_text.h"
#include "text_lines.h"
#include "window_driver.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

LocalTime ownTime = {};
LocalTime readOwnTime() { return ownTime; }

// A date that only this printout of this test program prints.
void installOwnClock(int printout) {
    const DWORD process = GetCurrentProcessId();
    ownTime = {static_cast<int>(2100 + process % 7000), 1 + printout % 12,
               1 + static_cast<int>(GetTickCount() / 1000 % 28), 13, static_cast<int>(process / 7000 % 60)};
    installClock(readOwnTime);
}

constexpr char kPdfToText[] = "/usr/bin/pdftotext";

// A Unix path as Wine's drive Z sees it.
std::string onDriveZ(std::string path) {
    for (char& c : path) c = c == '/' ? '\\' : c;
    return "Z:" + path;
}

// Where cups-pdf puts the printing user's files: $HOME/PDF.
std::string pdfFolder() {
    char home[MAX_PATH] = "";
    return GetEnvironmentVariableA("HOME", home, sizeof home) == 0 ? "/root/PDF" : std::string(home) + "/PDF";
}

// The printed PDFs in the folder with their sizes.
std::set<std::pair<std::string, DWORD>> printedFiles(const std::string& folder) {
    std::set<std::pair<std::string, DWORD>> files;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((onDriveZ(folder) + "\\Bitmap_Printing_Test*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do files.insert({folder + "/" + found.cFileName, found.nFileSizeLow});
    while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

// Runs pdftotext and returns its whole text (a form feed ends each page).
std::string pdfText(const std::string& pdf);

// Runs pdftotext and returns the page's non-empty lines without their
// leading and trailing blanks. Wine starts a Linux program directly but
// cannot wait for it, so the text is written under another name and renamed
// when complete, and the test waits for the final name. The command is one
// Windows-style argument for sh -c, the paths inside quoted for the shell.
std::vector<std::string> pdfLines(const std::string& pdf) {
    std::istringstream file(pdfText(pdf));
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        const std::size_t first = line.find_first_not_of(" \t\r\f");
        if (first != std::string::npos)
            lines.push_back(line.substr(first, line.find_last_not_of(" \t\r\f") + 1 - first));
    }
    return lines;
}

std::string pdfText(const std::string& pdf) {
    const std::string text = pdf + ".txt";
    std::string command = "/bin/sh -c \"" + std::string(kPdfToText) + " -layout '" + pdf + "' '" + text +
                          ".part' && mv '" + text + ".part' '" + text + "'\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return "pdftotext could not be started";
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int tick = 0; tick < 150 && GetFileAttributesA(onDriveZ(text).c_str()) == INVALID_FILE_ATTRIBUTES; ++tick)
        Sleep(200);
    std::ifstream file(onDriveZ(text), std::ios::binary);
    std::ostringstream whole;
    whole << file.rdbuf();
    file.close();
    DeleteFileA(onDriveZ(text).c_str());
    return whole.str();
}

// Waits for a new PDF that holds `marker`; its path, or empty after a
// minute and a half.
std::string awaitOwnPdf(const std::string& folder, const std::set<std::pair<std::string, DWORD>>& before,
                        const std::string& marker) {
    std::set<std::string> others;
    std::set<std::pair<std::string, DWORD>> last;
    for (int tick = 0; tick < 450; ++tick) {
        pumpMessages();
        Sleep(200);
        const auto now = printedFiles(folder);
        for (const auto& file : now) {
            if (before.count(file) != 0 || others.count(file.first) != 0 || file.second == 0) continue;
            if (last.count(file) == 0) continue;  // still growing
            if (pdfText(file.first).find(marker) != std::string::npos) return file.first;
            others.insert(file.first);
        }
        last = now;
    }
    return {};
}

// Blanks and tabs as one blank, none at either end.
std::string squeezed(const std::string& line) {
    std::string out;
    for (char c : line) {
        const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\f';
        if (blank && (out.empty() || out.back() == ' ')) continue;
        out += blank ? ' ' : c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// The lines a printer of the printouts' font puts on one page of the
// default printer.
int printerLinesPerPage() {
    char name[256] = "";
    DWORD size = sizeof name;
    if (!GetDefaultPrinterA(name, &size)) return 0;
    const HDC dc = CreateDCA("WINSPOOL", name, nullptr, nullptr);
    if (dc == nullptr) return 0;
    const HFONT font = createPrintFont(dc);
    const HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const int lines = (GetDeviceCaps(dc, VERTRES) - 200) / std::max(1L, metrics.tmHeight + metrics.tmExternalLeading);
    SelectObject(dc, previous);
    DeleteObject(font);
    DeleteDC(dc);
    return lines;
}

// Checks that the PDF's lines are the expected lines, whole and in order
// (a line wrapped at the right margin read back as its pieces joined), and
// nothing else; returns how many printed lines that took, empty ones too.
int expectEveryLine(const std::vector<std::string>& pdf, const std::vector<std::string>& expected) {
    std::vector<std::string> read;
    for (const std::string& line : pdf) read.push_back(squeezed(line));
    std::size_t next = 0;
    int printedLines = 0;
    for (const std::string& raw : expected) {
        const std::string line = squeezed(raw);
        ++printedLines;
        if (line.empty()) continue;
        if (next >= read.size()) {
            ADD_FAILURE() << "missing from the PDF: " << line;
            return printedLines;
        }
        std::string joined = read[next++];
        while (joined != line && next < read.size() && line.compare(0, joined.size(), joined) == 0) {
            const bool blank = line.compare(joined.size(), 1, " ") == 0;
            joined += (blank ? " " : "") + read[next++];
            ++printedLines;
        }
        EXPECT_EQ(joined, line);
        if (joined != line) return printedLines;
    }
    EXPECT_EQ(next, read.size()) << "more lines in the PDF than printed, from: "
                                 << read[std::min(next, read.size() - 1)];
    return printedLines;
}

TEST(PrintWindow, FilePrintReachesThePdfPrinter) {
    ASSERT_NE(GetFileAttributesA(onDriveZ(kPdfToText).c_str()), INVALID_FILE_ATTRIBUTES)
        << "pdftotext is missing: run tools/setup-printing.sh (tm_setup_printing)";
    ASSERT_NE(startCalculatorWindow(), nullptr);
    installOwnClock(0);
    const std::string printed = std::string("Printed: ") + dateStamp();
    typeText("5+3");
    const std::string folder = pdfFolder();
    const auto before = printedFiles(folder);
    answerMessageBoxes({IDOK});
    sendCommand(kFilePrint);
    std::string seen;
    for (const SeenMessageBox& box : seenMessageBoxes()) seen += "[" + box.title + ": " + box.text + "] ";
    ASSERT_EQ(seenMessageBoxes().size(), 1u) << seen;
    EXPECT_EQ(seenMessageBoxes()[0].title, "Print");
    const std::string pdf = awaitOwnPdf(folder, before, printed);
    closeCalculatorWindow();
    installClock(nullptr);
    ASSERT_FALSE(pdf.empty()) << "no new Bitmap_Printing_Test PDF in " << folder
                              << " (is the default printer the cups-pdf queue PDF?)";
    const std::vector<std::string> expected = {"Marrowfield", "5", "+3=8", printed};
    EXPECT_EQ(pdfLines(pdf), expected);
    DeleteFileA(onDriveZ(pdf).c_str());
}

// 30 saved calculations, one with a 120-digit term, and the present one.
std::vector<std::string> printCalculationsOnPaper() {
    CalculatorState& s = calculatorState;
    std::vector<std::string> expected = {"Marrowfield"};
    for (int i = 1; i <= 30; ++i) {
        const std::string term = i == 12 ? std::string(60, '9') + std::string(60, '1') : std::to_string(i * 11);
        const std::string text = term + "\n+1=" + term + "1\nSaved: 3/7/2008 1:07 PM";
        s.savedCalculations[i] = text;
        expected.insert(expected.end(), {"", term, "+1=" + term + "1", "Saved: 3/7/2008 1:07 PM"});
    }
    s.savedCount = 30;
    typeText("5+3");
    expected.insert(expected.end(), {"", "5", "+3=8", std::string("Printed: ") + dateStamp()});
    answerMessageBoxes({IDOK});
    sendCommand(kFilePrint);
    return expected;
}

std::vector<std::string> printMenusOnPaper() {
    sendCommand(17);
    pumpMessages();
    const HWND help = latestHelpWindow(17);
    std::vector<std::string> expected = {std::string("Marrowfield  Printed: ") + dateStamp()};
    expected.insert(expected.end(), menuListLines, menuListLines + kMenuLineCount);
    answerMessageBoxes({IDOK});
    const std::vector<HWND> buttons = childrenWithId(help, kHelpPrintCommand);
    if (!buttons.empty()) SendMessageA(buttons[0], BM_CLICK, 0, 0);
    return expected;
}

std::vector<std::string> printInstructionsOnPaper() {
    sendCommand(1);
    pumpMessages();
    std::vector<std::string> expected = {std::string("Marrowfieldtallymaster  Printed: ") + dateStamp(), ""};
    for (const std::string& line : crLfLines(basicInstructionsText())) expected.push_back(line);
    answerMessageBoxes({IDOK});
    SendMessageA(latestHelpWindow(1), WM_COMMAND, MAKEWPARAM(kHelpPrintCommand, 0), 0);
    return expected;
}

struct PaperCase {
    std::string label;
    std::vector<std::string> (*print)();  // returns the lines it printed
    int leastPages;
};

class OnPaper : public testing::TestWithParam<PaperCase> {};

// Every line reaches the paper whole, in order, on as many pages as it
// takes at the printer's lines per page.
TEST_P(OnPaper, EveryLineWholeAndInOrder) {
    ASSERT_NE(GetFileAttributesA(onDriveZ(kPdfToText).c_str()), INVALID_FILE_ATTRIBUTES)
        << "pdftotext is missing: run tools/setup-printing.sh (tm_setup_printing)";
    ASSERT_NE(startCalculatorWindow(), nullptr);
    installOwnClock(static_cast<int>(GetParam().label.size()));
    const std::string folder = pdfFolder();
    const auto before = printedFiles(folder);
    const std::vector<std::string> expected = GetParam().print();
    const std::string marker =
        expected.back() == std::string("Printed: ") + dateStamp() ? expected.back() : expected.front();
    std::string seen;
    for (const SeenMessageBox& box : seenMessageBoxes()) seen += "[" + box.title + ": " + box.text + "] ";
    ASSERT_EQ(seenMessageBoxes().size(), 1u) << seen;
    EXPECT_EQ(seenMessageBoxes()[0].title, "Print");
    const std::string pdf = awaitOwnPdf(folder, before, squeezed(marker).substr(squeezed(marker).find("Printed")));
    closeCalculatorWindow();
    installClock(nullptr);
    ASSERT_FALSE(pdf.empty()) << "no PDF with " << marker << " in " << folder;
    const std::string text = pdfText(pdf);
    const int printedLines = expectEveryLine(pdfLines(pdf), expected);
    const int perPage = printerLinesPerPage();
    ASSERT_GT(perPage, 10);
    const int pages = static_cast<int>(std::count(text.begin(), text.end(), '\f'));
    EXPECT_EQ(pages, (printedLines + perPage - 1) / perPage) << printedLines << " lines, " << perPage << " a page";
    EXPECT_GE(pages, GetParam().leastPages);
    DeleteFileA(onDriveZ(pdf).c_str());
}

const PaperCase kPaperCases[] = {
    {"ThirtySavedAndThePresentCalculation", printCalculationsOnPaper, 2},
    {"MenuTable", printMenusOnPaper, 1},
    {"WholeInstructions", printInstructionsOnPaper, 2},
};

INSTANTIATE_TEST_SUITE_P(Print, OnPaper, testing::ValuesIn(kPaperCases), CaseLabel());

}  // namespace
