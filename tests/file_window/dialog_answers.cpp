// The thread-local CBT hook behind DialogAnswers.
#include "dialog_answers.h"

#include <deque>

namespace {

constexpr int kMessageBoxTextId = 0xFFFF;
constexpr int kFileNameComboId = 0x47C;  // cmb13
constexpr int kFileNameEditId = 0x480;   // edt1

HHOOK hook;
std::deque<DialogAnswer> answers;
std::vector<SeenDialog> seenDialogs;
std::vector<HWND> answered;  // a dialog activates again when a box on top of it closes

std::string windowText(HWND window) {
    char text[4096] = "";
    if (window != nullptr) GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string buttonsOf(HWND dialog) {
    std::string buttons;
    const struct {
        int id;
        char letter;
    } kButtons[] = {{IDOK, 'O'}, {IDCANCEL, 'C'}, {IDYES, 'Y'}, {IDNO, 'N'}};
    for (const auto& button : kButtons) {
        if (GetDlgItem(dialog, button.id) != nullptr) buttons += button.letter;
    }
    return buttons;
}

void answer(HWND dialog) {
    DialogAnswer next{IDOK, {}};
    if (!answers.empty()) {
        next = answers.front();
        answers.pop_front();
    }
    if (!next.fileName.empty()) {
        HWND name = GetDlgItem(dialog, kFileNameComboId);
        if (name == nullptr) name = GetDlgItem(dialog, kFileNameEditId);
        SetWindowTextA(name, next.fileName.c_str());
    }
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(next.button, BN_CLICKED), 0);
}

LRESULT CALLBACK cbtProcedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        char className[32] = "";
        GetClassNameA(window, className, sizeof className);
        bool known = false;
        for (HWND done : answered) known = known || done == window;
        if (std::string(className) == "#32770" && !known) {
            answered.push_back(window);
            seenDialogs.push_back(
                {windowText(window), windowText(GetDlgItem(window, kMessageBoxTextId)), buttonsOf(window)});
            answer(window);
            return 0;  // answered here: hooks installed before this one never see it
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

} // namespace

DialogAnswers::DialogAnswers() {
    answers.clear();
    seenDialogs.clear();
    answered.clear();
    hook = SetWindowsHookExA(WH_CBT, cbtProcedure, nullptr, GetCurrentThreadId());
}

DialogAnswers::~DialogAnswers() {
    UnhookWindowsHookEx(hook);
    hook = nullptr;
}

void DialogAnswers::push(int button, const std::string& fileName) { answers.push_back({button, fileName}); }

const std::vector<SeenDialog>& DialogAnswers::seen() const { return seenDialogs; }
