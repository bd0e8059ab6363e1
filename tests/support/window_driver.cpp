// Driving the calculator's real main window from a Win32 test program.
#include "window_driver.h"

#include "calculator_state.h"
#include "decimal_number.h"
#include "main_window.h"
#include "saved_calculation_text.h"
#include "window_services.h"

#include <algorithm>
#include <cstring>
#include <deque>

namespace {

// ---- Message-box hook ----------------------------------------------------

thread_local HHOOK cbtHook = nullptr;
thread_local std::deque<int> queuedAnswers;
thread_local std::vector<SeenMessageBox> seenBoxes;
thread_local std::vector<HWND> answeredBoxes;

constexpr int kMessageBoxTextId = 0xFFFF;

std::string dialogItemText(HWND dialog, int id) {
    char text[4096] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

int chooseAnswer(HWND box) {
    if (!queuedAnswers.empty()) {
        const int answer = queuedAnswers.front();
        queuedAnswers.pop_front();
        return answer;
    }
    for (int button : {IDOK, IDCANCEL, IDYES}) {
        if (GetDlgItem(box, button) != nullptr) return button;
    }
    return IDOK;
}

void answerBox(HWND box) {
    if (std::find(answeredBoxes.begin(), answeredBoxes.end(), box) != answeredBoxes.end()) return;
    answeredBoxes.push_back(box);
    seenBoxes.push_back({windowText(box), dialogItemText(box, kMessageBoxTextId)});
    PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(chooseAnswer(box)), 0);
}

LRESULT CALLBACK messageBoxHook(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && className(window) == "#32770") answerBox(window);
    if (code == HCBT_DESTROYWND) std::erase(answeredBoxes, window);
    return CallNextHookEx(cbtHook, code, wParam, lParam);
}

void installMessageBoxHook() {
    if (cbtHook == nullptr) cbtHook = SetWindowsHookExA(WH_CBT, messageBoxHook, nullptr, GetCurrentThreadId());
}

HWND mainWindow() { return mainWindowHandle(); }

} // namespace

// ---- The main window ------------------------------------------------------

HWND startCalculatorWindow() {
    closeCalculatorWindow();
    resetCalculatorState();
    workingPlaces = 15;
    installClock(nullptr);
    installMessageBoxHook();
    queuedAnswers.clear();
    forgetMessageBoxes();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    registerWindowClasses(instance);
    HWND window = createMainWindow(instance, SW_SHOW);
    pumpMessages();
    return window;
}

void closeCalculatorWindow() {
    if (mainWindow() != nullptr && IsWindow(mainWindow())) DestroyWindow(mainWindow());
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void pumpMessages() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Keep the quit message for whoever ends the loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// ---- Input ----------------------------------------------------------------

void typeText(const std::string& text) {
    for (unsigned char c : text) SendMessageA(GetFocus(), WM_CHAR, c, 1);
}

void typeInto(HWND box, const std::string& text) {
    SetFocus(box);
    for (unsigned char c : text) SendMessageA(box, WM_CHAR, c, 1);
}

void pressKey(HWND window, UINT virtualKey) {
    SendMessageA(window, WM_KEYDOWN, virtualKey, 1);
    SendMessageA(window, WM_KEYUP, virtualKey, 0xC0000001);
}

void sendCommand(int id) { SendMessageA(mainWindow(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

// ---- Reading back ---------------------------------------------------------

std::ostream& operator<<(std::ostream& out, const ClientRect& rect) {
    return out << "{x " << rect.x << ", y " << rect.y << ", " << rect.width << " x " << rect.height << "}";
}

ClientRect clientRectOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, mainWindow(), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

int windowHeight(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

int windowWidth(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.right - rect.left;
}

int clientHeight(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect.bottom - rect.top;
}

std::string windowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

std::string className(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

DWORD windowStyle(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }

int controlId(HWND window) { return GetDlgCtrlID(window); }

std::vector<HWND> childrenWithId(HWND parent, int id) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == id) children.push_back(child);
    }
    return children;
}

DWORD storedStyleFor(const char* controlClass, DWORD style) {
    HWND reference = CreateWindowExA(0, controlClass, "", style, 0, 0, 10, 10, mainWindow(), nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
    const DWORD stored = windowStyle(reference);
    DestroyWindow(reference);
    return stored;
}

EditSelection editSelection(HWND box) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

// ---- Menus ----------------------------------------------------------------

std::ostream& operator<<(std::ostream& out, const MenuEntryInfo& entry) {
    if (entry.separator) return out << "<separator>";
    return out << '"' << entry.label << "\" " << entry.id;
}

std::vector<MenuEntryInfo> menuEntries(HMENU menu) {
    std::vector<MenuEntryInfo> entries;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        char label[256] = "";
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_TYPE | MIIM_SUBMENU;
        item.dwTypeData = label;
        item.cch = sizeof label;
        GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &item);
        const bool separator = (item.fType & MFT_SEPARATOR) != 0;
        const int id = item.hSubMenu != nullptr ? 0 : static_cast<int>(item.wID);
        entries.push_back({separator ? std::string() : std::string(label), separator ? 0 : id, separator});
    }
    return entries;
}

HMENU barSubmenu(int index) { return GetSubMenu(GetMenu(mainWindow()), index); }

// ---- Message boxes --------------------------------------------------------

void answerMessageBoxes(std::initializer_list<int> buttons) {
    queuedAnswers.insert(queuedAnswers.end(), buttons.begin(), buttons.end());
}

const std::vector<SeenMessageBox>& seenMessageBoxes() { return seenBoxes; }

void forgetMessageBoxes() { seenBoxes.clear(); }

// ---- Clipboard ------------------------------------------------------------

std::string clipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    HANDLE data = GetClipboardData(CF_TEXT);
    if (data != nullptr) {
        const char* bytes = static_cast<const char*>(GlobalLock(data));
        if (bytes != nullptr) text = bytes;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void setClipboardText(const std::string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (block == nullptr) return;
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(block);
        return;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_TEXT, block) == nullptr) GlobalFree(block);
    CloseClipboard();
}
