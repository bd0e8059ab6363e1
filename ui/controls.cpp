// The main window's permanent controls.
#include "controls.h"

#include "box_keys.h"
#include "calculator_state.h"
#include "control_ids.h"
#include "layout.h"
#include "window_state.h"

namespace {

// Every position between two characters is a place where a long text may
// wrap. The boxes are right-aligned multi-line boxes, which wrap their
// lines; a run of digits wider than the box has no break of its own, and a
// forced break draws the line's start outside the box on some platforms
// (Wine), so a long number would show only its end.
int CALLBACK breakAnywhere(LPSTR /*text*/, int current, int length, int code) {
    switch (code) {
    case WB_LEFT: return current > 0 ? current - 1 : 0;
    case WB_RIGHT: return current < length ? current + 1 : length;
    default: return FALSE;  // WB_ISDELIMITER: no character is a delimiter
    }
}

}  // namespace

HWND createControl(const char* className, const char* text, DWORD style, int x, int y, int width, int height, int id) {
    HWND control = CreateWindowExA(0, className, text, style, x, y, width, height, windowState.mainWindow,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), windowState.instance, nullptr);
    if (control == nullptr) return control;
    const bool box = lstrcmpiA(className, "EDIT") == 0;
    // Labels and buttons are 90 pixels wide: in the default font "10 Decimals"
    // and "All Decimals" are wider than that on some platforms, and a centred
    // label wraps onto a line that nobody sees. The platform's GUI font keeps
    // every label whole; the edit boxes keep the default font.
    // A box takes no more than its text buffer holds, so what it shows is
    // what is read; the input box's limit follows below.
    if (box) SendMessageA(control, EM_LIMITTEXT, kBoxTextCapacity - 1, 0);
    if (box) SendMessageA(control, EM_SETWORDBREAKPROC, 0, reinterpret_cast<LPARAM>(breakAnywhere));
    if (!box) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    if (box || lstrcmpiA(className, "BUTTON") == 0) takeOverKeys(control);
    return control;
}

void createPermanentControls() {
    WindowState& w = windowState;
    const int v = w.variablesOffset;
    w.clearSaveButton = createControl("BUTTON", "Clear/Save", kBorderedStyle, kButtonLeft, v + kClearSaveButtonTop,
                                      kButtonWidth, kButtonHeight, kClearSaveButton);
    w.clearButton = createControl("BUTTON", "Clear", kBorderedStyle, kButtonLeft, v + kClearButtonTop, kButtonWidth,
                                  kButtonHeight, kClearButton);
    w.angleLabel = createControl("STATIC", "Degrees", kLabelStyle, kButtonLeft, kUpperRowTop, kButtonWidth, kBoxHeight,
                                 kAngleLabelId);
    w.decimalsLabel = createControl("STATIC", "Floating", kLabelStyle, kButtonLeft, kUpperRowTop + kUpperRowStep,
                                    kButtonWidth, kBoxHeight, kDecimalsLabelId);
    w.fileNameStrip = createControl("STATIC", calculatorState.currentFile, kBorderedStyle, 0, 0, kWindowWidth,
                                    kBoxHeight, kFileNameStripId);
    w.inputBox =
        createControl("EDIT", "", kEditBoxStyle, kBoxLeft, v + kInputBoxTop, kBoxWidth, kBoxHeight, kInputBoxId);
    SendMessageA(w.inputBox, EM_LIMITTEXT, kInputTextCapacity - 1, 0);
    w.resultBox =
        createControl("EDIT", "", kResultBoxStyle, kBoxLeft, v + kResultBoxTop, kBoxWidth, kBoxHeight, kResultBoxId);
}
