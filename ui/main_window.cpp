// The main window: class registration, creation, the window procedure and
// the message loop.
#include "main_window.h"

#include "box_keys.h"
#include "boxes.h"
#include "calculation_file.h"
#include "calculator_state.h"
#include "command_parts.h"
#include "commands.h"
#include "controls.h"
#include "display_choices.h"
#include "file_commands.h"
#include "help_windows.h"
#include "layout.h"
#include "pi_constant.h"
#include "platform_wiring.h"
#include "recalculation.h"
#include "window_state.h"

namespace {

constexpr char kMainClassName[] = "WinProg";
constexpr char kTitle[] = "Marrowfieldtallymaster-1.1";
constexpr DWORD kMainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kIconResource = 101;
constexpr int kHelpBackground = COLOR_WINDOW + 1;

// A null smallIcon lets the system make the caption's icon from `icon`.
bool registerClass(HINSTANCE instance, const char* name, WNDPROC procedure, HBRUSH background, HICON icon,
                   HICON smallIcon) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Makes the client area 191 pixels high whatever the frame and menu bar take.
void applyFrameAllowance(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const int height = client.bottom - client.top;
    if (height == kBaseClientHeight) return;
    windowState.frameAllowance = kBaseClientHeight - height;
    MoveWindow(window, mainWindowLeft(windowState.screenWidth), 20, kWindowWidth,
               kBaseWindowHeight + windowState.frameAllowance, TRUE);
}

LRESULT onCreate(HWND window) {
    windowState.mainWindow = window;
    initFileDialogs(window);
    createPermanentControls();
    createMenuBar();
    showAngleUnit(1);
    showDecimals(startingDecimals());
    recalculate();
    SetFocus(windowState.inputBox);
    applyFrameAllowance(window);
    return 0;
}

LRESULT onDestroy() {
    PostQuitMessage(0);
    resetWindowState();
    return 0;
}

bool isHelpWindow(HWND window) {
    char name[16] = "";
    if (window == nullptr || GetClassNameA(window, name, sizeof name) == 0) return false;
    return lstrcmpA(name, "InsWin") == 0 || lstrcmpA(name, "FuncWin") == 0 || lstrcmpA(name, "MenuWin") == 0;
}

// Activation puts the caret into the input box; after one of the help
// windows it goes back to the box that had it. Going inactive or being
// activated while minimised moves no caret: keys typed then would edit a
// box nobody sees.
LRESULT onActivate(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == WA_INACTIVE || HIWORD(wParam) != 0) return 0;
    HWND previous = reinterpret_cast<HWND>(lParam);
    HWND last = lastFocusedControl();
    const bool backFromHelp = isHelpWindow(previous) && last != nullptr && IsChild(windowState.mainWindow, last);
    SetFocus(backFromHelp ? last : windowState.inputBox);
    return 0;
}

// The main window holds no caret of its own: focus given to it (a closing
// help window gives it back to its owner) goes on to the box that had it.
LRESULT onSetFocus() {
    HWND last = lastFocusedControl();
    SetFocus(last != nullptr && IsChild(windowState.mainWindow, last) ? last : windowState.inputBox);
    return 0;
}

LRESULT onPaint(HWND window) {
    PAINTSTRUCT paint{};
    HDC context = BeginPaint(window, &paint);
    const RECT panel = {487, 20, 600, 375};
    HBRUSH brush = CreateSolidBrush(RGB(203, 232, 255));
    FillRect(context, &panel, brush);
    DeleteObject(brush);
    EndPaint(window, &paint);
    return 0;
}

LRESULT onClose() {
    closeRequested();
    return 0;
}

void onEditChange() {
    if (windowState.suppressChange) return;
    calculatorState.calculationSaved = 0;
    if (changeHandling()) recalculate();
}

LRESULT onCommand(WPARAM wParam) {
    const int code = HIWORD(wParam);
    if (code == 0) runCommand(LOWORD(wParam));
    if (code == EN_CHANGE) onEditChange();
    return 0;
}

}  // namespace

bool registerWindowClasses(HINSTANCE instance) {
    HICON helpIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_ASTERISK));
    HBRUSH helpBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(kHelpBackground));
    // The caption shows the icon's own 16-pixel image, not the large one shrunk.
    HICON smallIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kIconResource), IMAGE_ICON,
                                                    GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    bool registered = registerClass(instance, kMainClassName, mainWindowProcedure, CreateSolidBrush(RGB(255, 255, 198)),
                                    LoadIconA(instance, MAKEINTRESOURCEA(kIconResource)), smallIcon);
    registered = registerClass(instance, "InsWin", insWinProcedure, helpBackground, helpIcon, nullptr) && registered;
    registered = registerClass(instance, "FuncWin", funcWinProcedure, helpBackground, helpIcon, nullptr) && registered;
    registered = registerClass(instance, "MenuWin", menuWinProcedure, helpBackground, helpIcon, nullptr) && registered;
    return registered;
}

HWND createMainWindow(HINSTANCE instance, int showCommand) {
    resetWindowState();
    windowState.instance = instance;
    windowState.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    installWindowPlatformSeam();
    initPiConstant();
    HWND window = CreateWindowExA(0, kMainClassName, kTitle, kMainWindowStyle, mainWindowLeft(windowState.screenWidth),
                                  20, kWindowWidth, kBaseWindowHeight, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return nullptr;
    windowState.mainWindow = window;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return window;
}

int runMessageLoop() {
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

HWND mainWindowHandle() { return windowState.mainWindow; }

LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onCreate(window);
    case WM_DESTROY: return onDestroy();
    case WM_ACTIVATE: return onActivate(wParam, lParam);
    case WM_SETFOCUS: return onSetFocus();
    case WM_PAINT: return onPaint(window);
    case WM_CLOSE: return onClose();
    case WM_COMMAND: return onCommand(wParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
