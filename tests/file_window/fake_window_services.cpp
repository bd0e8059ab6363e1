// The stand-in services and recalculation behind fake_window_services.h.
#include "fake_window_services.h"

#include "calculator_state.h"
#include "control_ids.h"
#include "recalculation.h"
#include "window_services.h"

bool changeHandlingBalances = true;

namespace {

HWND fakeWindow;

LRESULT CALLBACK fakeProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY && window == fakeWindow) fakeWindow = nullptr;
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

std::vector<std::string>& serviceCalls() {
    static std::vector<std::string> calls;
    return calls;
}

FakeMainWindow createFakeMainWindow() {
    static bool registered = false;
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!registered) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = fakeProcedure;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = "FakeWinProg";
        registered = RegisterClassA(&windowClass) != 0;
    }
    FakeMainWindow fake{};
    fake.window = CreateWindowExA(0, "FakeWinProg", "fake", WS_OVERLAPPEDWINDOW, 0, 0, 600, 235, nullptr, nullptr,
                                  instance, nullptr);
    fake.fileNameStrip = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 600, 20, fake.window,
                                         reinterpret_cast<HMENU>(kFileNameStripId), instance, nullptr);
    fake.inputBox = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 15, 135, 465, 20, fake.window,
                                    reinterpret_cast<HMENU>(kInputBoxId), instance, nullptr);
    ShowWindow(fake.window, SW_SHOW);
    fakeWindow = fake.window;
    serviceCalls().clear();
    changeHandlingBalances = true;
    return fake;
}

HWND mainWindowHandle() { return fakeWindow; }

bool changeHandling() {
    serviceCalls().push_back("changeHandling");
    return changeHandlingBalances;
}

void clearBoxes() { serviceCalls().push_back("clearBoxes"); }

void restoreBoxes(const char* text, int limit) {
    serviceCalls().push_back("restoreBoxes " + std::string(text, static_cast<std::size_t>(limit)));
}

void saveCalculation() { serviceCalls().push_back("saveCalculation"); }
void recallCalculation(int n) { serviceCalls().push_back("recallCalculation " + std::to_string(n)); }

void clearCalculations() {
    serviceCalls().push_back("clearCalculations");
    calculatorState.savedCount = 0;
}

void rebuildCalculationItems(int count) {
    serviceCalls().push_back("rebuildCalculationItems " + std::to_string(count));
}

bool putOnClipboard(const char*) { return true; }

void recalculate() { serviceCalls().push_back("recalculate"); }
