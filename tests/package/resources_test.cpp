// The resources of tallymaster.exe as Windows reads them: the icon in 16,
// 32 and 48 pixels, the version resource and the manifest. The program is
// loaded as a data file from beside this test program (or from
// TM_PROGRAM_UNDER_TEST, a Windows path: the release package's copy); the
// icon is also loaded the way the main window's class loads it.
#include "main_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kIconResource = 101;

std::string besideThisProgram(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    folder.resize(folder.find_last_of("\\/") + 1);
    return folder + name;
}

std::string programPath() {
    const char* given = std::getenv("TM_PROGRAM_UNDER_TEST");
    return given != nullptr && *given != '\0' ? std::string(given) : besideThisProgram("tallymaster.exe");
}

struct LoadedProgram {
    HMODULE module = nullptr;
    LoadedProgram() {
        module =
            LoadLibraryExA(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    }
    ~LoadedProgram() {
        if (module != nullptr) FreeLibrary(module);
    }
};

std::string resourceBytes(HMODULE module, LPCSTR name, LPCSTR type) {
    HRSRC found = FindResourceA(module, name, type);
    if (found == nullptr) return std::string();
    HGLOBAL loaded = LoadResource(module, found);
    const char* data = static_cast<const char*>(LockResource(loaded));
    return data == nullptr ? std::string() : std::string(data, SizeofResource(module, found));
}

#pragma pack(push, 2)
struct IconGroupHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// Width and height of an icon's colour bitmap.
SIZE iconSize(HICON icon) {
    SIZE size{0, 0};
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) return size;
    BITMAP bitmap{};
    if (GetObjectA(info.hbmColor, sizeof bitmap, &bitmap) == sizeof bitmap) size = {bitmap.bmWidth, bitmap.bmHeight};
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return size;
}

TEST(ProgramResources, IconHasItsThreeSizesAndEachLoads) {
    LoadedProgram program;
    ASSERT_NE(program.module, nullptr) << programPath();
    const std::string group = resourceBytes(program.module, MAKEINTRESOURCEA(kIconResource), RT_GROUP_ICON);
    ASSERT_GE(group.size(), sizeof(IconGroupHeader));
    IconGroupHeader header;
    std::memcpy(&header, group.data(), sizeof header);
    ASSERT_EQ(header.count, 3);
    ASSERT_EQ(group.size(), sizeof header + header.count * sizeof(IconGroupEntry));
    std::vector<int> widths;
    for (int i = 0; i < header.count; ++i) {
        IconGroupEntry entry;
        std::memcpy(&entry, group.data() + sizeof header + i * sizeof entry, sizeof entry);
        widths.push_back(entry.width);
        EXPECT_EQ(entry.width, entry.height);
        EXPECT_EQ(entry.bitCount, 32);
        EXPECT_EQ(resourceBytes(program.module, MAKEINTRESOURCEA(entry.id), RT_ICON).size(), entry.bytes)
            << "image " << entry.width;
    }
    EXPECT_EQ(widths, (std::vector<int>{16, 32, 48}));

    for (int size : {16, 32, 48}) {
        HICON icon =
            static_cast<HICON>(LoadImageA(program.module, MAKEINTRESOURCEA(kIconResource), IMAGE_ICON, size, size, 0));
        const SIZE loaded = iconSize(icon);
        EXPECT_EQ(loaded.cx, size);
        EXPECT_EQ(loaded.cy, size);
        if (icon != nullptr) DestroyIcon(icon);
    }
}

// The main window's class carries the large icon and, for its caption, the
// icon's own small image.
TEST(ProgramResources, MainWindowClassHasBothIcons) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(registerWindowClasses(instance));
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetClassInfoExA(instance, "WinProg", &info));
    EXPECT_EQ(iconSize(info.hIcon).cx, GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(iconSize(info.hIconSm).cx, GetSystemMetrics(SM_CXSMICON));
}

std::string versionText(const std::vector<char>& block, const char* name) {
    const std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
    char* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length) || text == nullptr) {
        return "(missing)";
    }
    return std::string(text);
}

TEST(ProgramResources, VersionNamesTheProductAndVersion) {
    const std::string path = programPath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(1, 1)));  // 1.1
    EXPECT_EQ(fixed->dwProductVersionMS, static_cast<DWORD>(MAKELONG(1, 1)));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    EXPECT_EQ(versionText(block, "ProductName"), "Marrowfieldtallymaster");
    EXPECT_EQ(versionText(block, "ProductVersion"), "1.1");
    EXPECT_EQ(versionText(block, "FileVersion"), "1.1");
    EXPECT_EQ(versionText(block, "OriginalFilename"), "tallymaster.exe");
    EXPECT_NE(versionText(block, "FileDescription").find("calculator"), std::string::npos);
    EXPECT_EQ(versionText(block, "LegalCopyright").rfind("Copyright (C) ", 0), 0u);
    EXPECT_NE(versionText(block, "LegalCopyright").find("Marrowfieldtallymaster project"), std::string::npos);
}

TEST(ProgramResources, ManifestRunsAsInvokerOnWindows7To11WithoutDpiAwareness) {
    LoadedProgram program;
    ASSERT_NE(program.module, nullptr);
    const std::string manifest = resourceBytes(program.module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_FALSE(manifest.empty());
    const char* expected[] = {
        "level=\"asInvoker\"",
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
        "WindowsSettings\">false</dpiAware>",
        "WindowsSettings\">true</gdiScaling>",
    };
    for (const char* piece : expected) EXPECT_NE(manifest.find(piece), std::string::npos) << piece;
    EXPECT_EQ(manifest.find("requireAdministrator"), std::string::npos);
    EXPECT_EQ(manifest.find("PerMonitor"), std::string::npos);

    // The system's own reading of it, as when the program starts: a manifest
    // it cannot read stops the program on Windows.
    const std::string path = programPath();
    ACTCTXA context{};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = path.c_str();
    context.lpResourceName = MAKEINTRESOURCEA(1);
    const HANDLE activation = CreateActCtxA(&context);
    EXPECT_NE(activation, INVALID_HANDLE_VALUE) << "the manifest does not read: error " << GetLastError();
    if (activation != INVALID_HANDLE_VALUE) ReleaseActCtx(activation);
}

// The program, with its resources, starts and waits for input (Wine starts
// a program whose manifest it cannot read; the test above reads it).
TEST(ProgramResources, ProgramStartsWithItsManifest) {
    const std::string command = "\"" + programPath() + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINNOACTIVE;
    PROCESS_INFORMATION process{};
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        << GetLastError();
    // Idle once its window is up and waiting for input.
    EXPECT_EQ(WaitForInputIdle(process.hProcess, 20000), 0u);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    EXPECT_EQ(code, static_cast<DWORD>(STILL_ACTIVE));
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace
