// File > Print end to end: the real print dialog answered by the dialog hook,
// the page printed through Wine and CUPS to the PDF printer (cups-pdf, set up
// by tools/setup-printing.sh), the PDF read back with pdftotext.
#include "calculator_state.h"
#include "control_ids.h"
#include "dialog_answers.h"
#include "saved_calculation_text.h"
#include "window_driver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

LocalTime fixedAfternoon() { return {2008, 3, 7, 13, 9}; }

constexpr char kPdfToText[] = "/usr/bin/pdftotext";

// A Unix path as Wine's drive Z sees it.
std::string onDriveZ(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

// Where cups-pdf puts the printing user's files: $HOME/PDF.
std::string pdfFolder() {
    char home[MAX_PATH] = "";
    if (GetEnvironmentVariableA("HOME", home, sizeof home) == 0) return "/root/PDF";
    return std::string(home) + "/PDF";
}

std::set<std::string> printedFiles(const std::string& unixFolder) {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((onDriveZ(unixFolder) + "\\Bitmap_Printing_Test*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do names.insert(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

long long fileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// Waits (pumping messages) for a PDF that was not there before and whose
// size has stopped changing; empty after a minute.
std::string awaitNewPdf(const std::string& unixFolder, const std::set<std::string>& before) {
    long long lastSize = -1;
    for (int tick = 0; tick < 300; ++tick) {
        pumpMessages();
        Sleep(200);
        for (const std::string& name : printedFiles(unixFolder)) {
            if (before.count(name) != 0) continue;
            const long long size = fileSize(onDriveZ(unixFolder + "/" + name));
            if (size > 0 && size == lastSize) return unixFolder + "/" + name;
            lastSize = size;
        }
    }
    return {};
}

// Runs pdftotext and returns the page's non-empty lines without their
// leading and trailing blanks. Wine starts a Linux program directly but
// cannot wait for it, so the text is written under another name and renamed
// when complete, and the test waits for the final name.
std::vector<std::string> pdfLines(const std::string& unixPdf) {
    const std::string unixText = unixPdf + ".txt";
    // One Windows-style argument for sh -c (Wine splits the command line the
    // Windows way); the paths inside are quoted for the shell.
    std::string command = "/bin/sh -c \"" + std::string(kPdfToText) + " -layout '" + unixPdf + "' '" + unixText +
                          ".part' && mv '" + unixText + ".part' '" + unixText + "'\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return {"pdftotext could not be started"};
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int tick = 0; tick < 150 && GetFileAttributesA(onDriveZ(unixText).c_str()) == INVALID_FILE_ATTRIBUTES;
         ++tick) {
        Sleep(200);
    }
    std::ifstream file(onDriveZ(unixText), std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(file, line)) {
        const std::size_t first = line.find_first_not_of(" \t\r\f");
        if (first == std::string::npos) continue;
        const std::size_t last = line.find_last_not_of(" \t\r\f");
        lines.push_back(line.substr(first, last - first + 1));
    }
    file.close();
    DeleteFileA(onDriveZ(unixText).c_str());
    return lines;
}

TEST(PrintWindow, FilePrintReachesThePdfPrinter) {
    ASSERT_NE(GetFileAttributesA(onDriveZ(kPdfToText).c_str()), INVALID_FILE_ATTRIBUTES)
        << "pdftotext is missing: run tools/setup-printing.sh (tm_setup_printing)";
    const HWND window = startCalculatorWindow();
    ASSERT_NE(window, nullptr);
    installClock(fixedAfternoon);
    typeText("5+3");
    const std::string folder = pdfFolder();
    const std::set<std::string> before = printedFiles(folder);
    {
        DialogAnswers answers;
        answers.push(IDOK);
        sendCommand(kFilePrint);
        ASSERT_EQ(answers.seen().size(), 1u);
        EXPECT_EQ(answers.seen()[0].title, "Print");
    }
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
