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
#include <utility>

namespace {

// ---- Message-box hook ----------------------------------------------------

struct QueuedAnswer {
    int button;
    std::string fileName;  // typed into a file dialog's name box first
};

thread_local HHOOK cbtHook = nullptr;
thread_local std::deque<QueuedAnswer> queuedAnswers;
thread_local std::vector<SeenMessageBox> seenBoxes;
// A dialog activates again when a box on top of it closes.
thread_local std::vector<HWND> answeredBoxes;

constexpr int kMessageBoxTextId = 0xFFFF;
constexpr int kFileNameComboId = 0x47C;  // cmb13
constexpr int kFileNameEditId = 0x480;   // edt1

std::string buttonsOf(HWND box) {
    constexpr std::pair<int, char> kButtons[] = {{IDOK, 'O'}, {IDCANCEL, 'C'}, {IDYES, 'Y'}, {IDNO, 'N'}};
    std::string buttons;
    for (const auto& [id, letter] : kButtons) {
        if (GetDlgItem(box, id) != nullptr) buttons += letter;
    }
    return buttons;
}

QueuedAnswer chooseAnswer(HWND box) {
    if (!queuedAnswers.empty()) {
        const QueuedAnswer answer = queuedAnswers.front();
        queuedAnswers.pop_front();
        return answer;
    }
    for (int button : {IDOK, IDCANCEL, IDYES}) {
        if (GetDlgItem(box, button) != nullptr) return {button, {}};
    }
    return {IDOK, {}};
}

// Whether a message box's text, laid out as the box draws it (word breaks,
// in the field's font), fits the field: a line without a break that is wider
// than the field runs out of it.
bool textFitsField(HWND field) {
    RECT room{};
    GetClientRect(field, &room);
    const std::string text = windowText(field);
    HDC context = GetDC(field);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(field, WM_GETFONT, 0, 0));
    HGDIOBJ previous = font != nullptr ? SelectObject(context, font) : nullptr;
    RECT needed = {0, 0, room.right, 0};
    DrawTextA(context, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    if (previous != nullptr) SelectObject(context, previous);
    ReleaseDC(field, context);
    return needed.right <= room.right && needed.bottom <= room.bottom;
}

void answerBox(HWND box) {
    if (std::find(answeredBoxes.begin(), answeredBoxes.end(), box) != answeredBoxes.end()) return;
    answeredBoxes.push_back(box);
    HWND textItem = GetDlgItem(box, kMessageBoxTextId);
    RECT outer{};
    GetWindowRect(box, &outer);
    seenBoxes.push_back({windowText(box), textItem != nullptr ? windowText(textItem) : "", buttonsOf(box),
                         static_cast<int>(outer.right - outer.left), textItem == nullptr || textFitsField(textItem)});
    const QueuedAnswer answer = chooseAnswer(box);
    if (!answer.fileName.empty()) {
        HWND name = GetDlgItem(box, kFileNameComboId);
        SetWindowTextA(name != nullptr ? name : GetDlgItem(box, kFileNameEditId), answer.fileName.c_str());
    }
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer.button, BN_CLICKED), 0);
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

}  // namespace

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

namespace {

// Dispatches the waiting messages; a quit message is dropped, or kept for
// whoever ends the loop.
void dispatchWaiting(bool keepQuit) {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT && keepQuit) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

void closeCalculatorWindow() {
    if (IsWindow(mainWindowHandle())) DestroyWindow(mainWindowHandle());
    dispatchWaiting(false);
}

void pumpMessages() { dispatchWaiting(true); }

std::string resultShown() { return windowText(resultBox()); }

std::vector<std::string> popupTexts() {
    std::vector<std::string> texts;
    for (int k = 1; k < calculatorState.boxCount; ++k) texts.push_back(windowText(popupBox(k)));
    return texts;
}

// ---- Input ----------------------------------------------------------------

void typeText(const std::string& text) {
    for (unsigned char c : text) SendMessageA(GetFocus(), WM_CHAR, c, 1);
}

void typeInto(HWND box, const std::string& text) {
    SetFocus(box);
    typeText(text);
}

void pressKey(HWND window, UINT virtualKey) {
    SendMessageA(window, WM_KEYDOWN, virtualKey, 1);
    SendMessageA(window, WM_KEYUP, virtualKey, 0xC0000001);
}

void pressKeyInLoop(HWND window, UINT virtualKey, bool shift, bool control) {
    BYTE before[256] = {};
    GetKeyboardState(before);
    BYTE held[256];
    std::memcpy(held, before, sizeof held);
    held[VK_SHIFT] = held[VK_LSHIFT] = shift ? 0x80 : 0;
    held[VK_CONTROL] = held[VK_LCONTROL] = control ? 0x80 : 0;
    SetKeyboardState(held);
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(window, WM_KEYDOWN, virtualKey, scan | 1);
    PostMessageA(window, WM_KEYUP, virtualKey, scan | 1 | static_cast<LPARAM>(0xC0000000u));
    pumpMessages();
    SetKeyboardState(before);
}

void sendCommand(int id) { SendMessageA(mainWindowHandle(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

// ---- Reading back ---------------------------------------------------------

std::ostream& operator<<(std::ostream& out, const ClientRect& rect) {
    return out << "{x " << rect.x << ", y " << rect.y << ", " << rect.width << " x " << rect.height << "}";
}

ClientRect clientRectOf(HWND control, HWND parent) {
    RECT rect = outerRect(control);
    MapWindowPoints(nullptr, parent != nullptr ? parent : mainWindowHandle(), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

RECT outerRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

int windowHeight(HWND window) { return outerRect(window).bottom - outerRect(window).top; }

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

std::vector<HWND> childrenWithId(HWND parent, int id) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == id) children.push_back(child);
    }
    return children;
}

DWORD storedStyleFor(const char* controlClass, DWORD style) {
    HWND reference = CreateWindowExA(0, controlClass, "", style, 0, 0, 10, 10, mainWindowHandle(), nullptr,
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

HMENU barSubmenu(int index) { return GetSubMenu(GetMenu(mainWindowHandle()), index); }

// ---- Dialogs --------------------------------------------------------------

void answerMessageBoxes(std::initializer_list<int> buttons) {
    for (int button : buttons) queuedAnswers.push_back({button, {}});
}

void answerFileDialog(const std::string& path) { queuedAnswers.push_back({IDOK, path}); }

const std::vector<SeenMessageBox>& seenMessageBoxes() { return seenBoxes; }

void forgetMessageBoxes() { seenBoxes.clear(); }

// ---- The screen -----------------------------------------------------------

void settleScreen() {
    for (int round = 0; round < 3; ++round) {
        pumpMessages();
        GdiFlush();
        Sleep(100);
    }
    pumpMessages();
}

ScreenPicture captureClientArea(HWND window) {
    ScreenPicture picture;
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    picture.width = client.right;
    picture.height = client.bottom;
    if (picture.width <= 0 || picture.height <= 0) return picture;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* first = static_cast<const unsigned*>(bits);
    picture.pixels.assign(first, first + static_cast<std::size_t>(picture.width) * picture.height);
    for (unsigned& pixel : picture.pixels) pixel &= 0x00FFFFFFu;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

namespace {

// The caret's rectangle in the client coordinates of `window`, widened by a
// pixel on each side; empty when no caret is shown.
RECT caretRect(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    RECT rect{0, 0, 0, 0};
    if (!GetGUIThreadInfo(GetCurrentThreadId(), &info) || info.hwndCaret == nullptr) return rect;
    rect = info.rcCaret;
    MapWindowPoints(info.hwndCaret, window, reinterpret_cast<POINT*>(&rect), 2);
    InflateRect(&rect, 1, 1);
    return rect;
}

}  // namespace

int stalePixelCount(HWND window) {
    settleScreen();
    const ScreenPicture shown = captureClientArea(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    settleScreen();
    const ScreenPicture fresh = captureClientArea(window);
    if (shown.width != fresh.width || shown.height != fresh.height) return shown.width * shown.height + 1;
    const RECT caret = caretRect(window);
    int differing = 0;
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) {
            const POINT point{x, y};
            const std::size_t at = static_cast<std::size_t>(y) * shown.width + x;
            if (shown.pixels[at] != fresh.pixels[at] && !PtInRect(&caret, point)) ++differing;
        }
    }
    return differing;
}

SIZE textOverrun(HWND control, int margin) {
    const std::string text = windowText(control);
    HDC context = GetDC(control);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(context, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
    SIZE extent{0, 0};
    GetTextExtentPoint32A(context, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(context, old);
    ReleaseDC(control, context);
    RECT client{};
    GetClientRect(control, &client);
    const int across = extent.cx - (client.right - 2 * margin);
    const int down = extent.cy - (client.bottom - 2 * margin);
    return {across > 0 ? across : 0, down > 0 ? down : 0};
}

// ---- Clipboard ------------------------------------------------------------

std::string clipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* bytes = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (bytes != nullptr) text = bytes;
    if (data != nullptr) GlobalUnlock(data);
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
