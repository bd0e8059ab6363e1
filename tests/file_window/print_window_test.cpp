// File > Print end to end: the real print dialog answered by the dialog hook,
// the page printed through Wine and CUPS to the PDF printer (cups-pdf, set up
// by tools/setup-printing.sh), the PDF read back with pdftotext.
#include "saved_calculation_text.h"
#include "window_driver.h"

#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

LocalTime fixedAfternoon() { return {2008, 3, 7, 13, 9}; }

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

// Waits (pumping messages) for a PDF that was not there before and whose
// size has stopped changing; empty after a minute.
std::string awaitNewPdf(const std::string& folder, const std::set<std::pair<std::string, DWORD>>& before) {
    std::pair<std::string, DWORD> last;
    for (int tick = 0; tick < 300; ++tick) {
        pumpMessages();
        Sleep(200);
        for (const auto& file : printedFiles(folder)) {
            if (before.count(file) != 0) continue;
            if (file.second > 0 && file == last) return file.first;
            last = file;
        }
    }
    return {};
}

// Runs pdftotext and returns the page's non-empty lines without their
// leading and trailing blanks. Wine starts a Linux program directly but
// cannot wait for it, so the text is written under another name and renamed
// when complete, and the test waits for the final name. The command is one
// Windows-style argument for sh -c, the paths inside quoted for the shell.
std::vector<std::string> pdfLines(const std::string& pdf) {
    const std::string text = pdf + ".txt";
    std::string command = "/bin/sh -c \"" + std::string(kPdfToText) + " -layout '" + pdf + "' '" + text +
                          ".part' && mv '" + text + ".part' '" + text + "'\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return {"pdftotext could not be started"};
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int tick = 0; tick < 150 && GetFileAttributesA(onDriveZ(text).c_str()) == INVALID_FILE_ATTRIBUTES; ++tick)
        Sleep(200);
    std::ifstream file(onDriveZ(text), std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        const std::size_t first = line.find_first_not_of(" \t\r\f");
        if (first != std::string::npos) lines.push_back(line.substr(first, line.find_last_not_of(" \t\r\f") + 1 - first));
    }
    file.close();
    DeleteFileA(onDriveZ(text).c_str());
    return lines;
}

TEST(PrintWindow, FilePrintReachesThePdfPrinter) {
    ASSERT_NE(GetFileAttributesA(onDriveZ(kPdfToText).c_str()), INVALID_FILE_ATTRIBUTES)
        << "pdftotext is missing: run tools/setup-printing.sh (tm_setup_printing)";
    ASSERT_NE(startCalculatorWindow(), nullptr);
    installClock(fixedAfternoon);
    typeText("5+3");
    const std::string folder = pdfFolder();
    const auto before = printedFiles(folder);
    answerMessageBoxes({IDOK});
    sendCommand(kFilePrint);
    std::string seen;
    for (const SeenMessageBox& box : seenMessageBoxes()) seen += "[" + box.title + ": " + box.text + "] ";
    ASSERT_EQ(seenMessageBoxes().size(), 1u) << seen;
    EXPECT_EQ(seenMessageBoxes()[0].title, "Print");
    const std::string pdf = awaitNewPdf(folder, before);
    closeCalculatorWindow();
    installClock(nullptr);
    ASSERT_FALSE(pdf.empty()) << "no new Bitmap_Printing_Test PDF in " << folder
                              << " (is the default printer the cups-pdf queue PDF?)";
    const std::vector<std::string> expected = {"Marrowfield", "5", "+3=8", "Printed: 3/7/2008 1:09 PM"};
    EXPECT_EQ(pdfLines(pdf), expected);
    DeleteFileA(onDriveZ(pdf).c_str());
}

} // namespace
