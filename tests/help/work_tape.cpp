// work-tape: works a calculation in a running calculator as a person would,
// for the screenshot script: the Variables band with formulas for x and y,
// seven popup boxes and a last term, the answer at All Decimals with commas.
//   work_tape.exe
// Exits with 1 when no calculator window is found.
#include "control_ids.h"

#include <windows.h>

namespace {

constexpr int kXBoxId = kVariableBoxIds[0];
constexpr int kYBoxId = kVariableBoxIds[1];

void typeInto(HWND box, const char* text) {
    for (const char* c = text; *c != '\0'; ++c) SendMessageA(box, WM_CHAR, static_cast<unsigned char>(*c), 1);
}

void replaceText(HWND box, const char* text) {
    SendMessageA(box, EM_SETSEL, 0, -1);
    typeInto(box, text);
}

// The input box shares its identifier with the file-name strip: the edit one.
HWND inputBoxOf(HWND mainWindow) {
    for (HWND child = GetWindow(mainWindow, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[16] = "";
        GetClassNameA(child, name, sizeof name);
        if (GetDlgCtrlID(child) == kInputBoxId && lstrcmpiA(name, "Edit") == 0) return child;
    }
    return nullptr;
}

}  // namespace

int main() {
    HWND mainWindow = FindWindowA("WinProg", nullptr);
    HWND input = mainWindow != nullptr ? inputBoxOf(mainWindow) : nullptr;
    if (input == nullptr) return 1;
    SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(kShowVariables, 0), 0);
    replaceText(GetDlgItem(mainWindow, kXBoxId), "sin(30)*4");
    replaceText(GetDlgItem(mainWindow, kYBoxId), "sqrt(3)");
    typeInto(input, "1234567.89+987654.321-45678.9+x*1000+y*1000+sqrt(2)*100-1/7+22/7");
    SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(kDisplayAllDecimals, 0), 0);
    SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(kDisplayCommas, 0), 0);
    return 0;
}
