// The typing soak: thousands of seeded random keystrokes, clicks, menu
// commands and pastes of long texts into the real window. After each one
// every state text keeps within its capacity, boxCount stays in 1..10, the
// popup boxes on screen are boxCount - 1, and the result box shows what the
// batch recalculation gives for the texts the boxes show and the settings
// chosen so far. TM_SOAK_SEED and TM_SOAK_STEPS override seed and length; a
// failure (or a crash) prints its seed and step.
#include "window_driver.h"

#include "calculator_state.h"
#include "decimal_number.h"
#include "platform_seam.h"
#include "platform_wiring.h"
#include "recalculation.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::uint64_t kDefaultSeed = 20261208;
// One run of 5,000 takes under 3 minutes under Wine here; CTest runs four
// seeds, 20,000 keystrokes in all.
constexpr int kDefaultSteps = 5000;

// splitmix64: the same keystrokes from the same seed on every platform.
struct SoakRandom {
    std::uint64_t state;
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    char pick(const char* characters) { return characters[below(static_cast<int>(std::strlen(characters)))]; }
};

std::uint64_t numberFromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') return fallback;
    return std::strtoull(text, nullptr, 10);
}

// ---- What the window shows ------------------------------------------------

struct Screen {
    std::string input;
    std::vector<std::string> popups;  // box 1 (newest term) first
    bool variablesShown = false;
    std::string variables[3];
    std::string result;
};

Screen readScreen() {
    Screen screen;
    screen.input = windowText(inputBox());
    std::vector<HWND> boxes = childrenWithId(mainWindowHandle(), kPopupBoxId);
    // Box 1 stands lowest, just above the input box.
    std::sort(boxes.begin(), boxes.end(), [](HWND a, HWND b) { return clientRectOf(a).y > clientRectOf(b).y; });
    for (HWND box : boxes) screen.popups.push_back(windowText(box));
    for (int i = 0; i < 3; ++i) {
        const std::vector<HWND> found = childrenWithId(mainWindowHandle(), kVariableBoxIds[i]);
        if (found.empty()) continue;
        screen.variablesShown = true;
        screen.variables[i] = windowText(found[0]);
    }
    screen.result = resultShown();
    return screen;
}

// ---- The texts the recalculation must see, from what the boxes show -------

bool droppedByInputFilter(char c) {
    if (c >= 'A' && c <= 'Z') return c != 'E';
    return c != '\0' && std::strchr("dfhjkmuvw, ", c) != nullptr;
}

bool canEndOperand(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == 'i' || c == 'x' || c == 'y' || c == 'z' || c == ')';
}

std::string cut(const std::string& text, std::size_t capacity) { return text.substr(0, capacity - 1); }

std::string filteredInput(const std::string& boxText) {
    std::string text = cut(boxText, kInputTextCapacity);
    std::erase_if(text, droppedByInputFilter);
    return text;
}

bool balanced(const std::string& text) {
    return std::count(text.begin(), text.end(), '(') == std::count(text.begin(), text.end(), ')');
}

// Oldest term (the top box) first, then the filtered input; cut to the
// expression's capacity; one trailing character that cannot end an operand
// dropped.
std::string joinedExpression(const Screen& screen) {
    std::string joined;
    for (auto box = screen.popups.rbegin(); box != screen.popups.rend(); ++box) joined += cut(*box, kBoxTextCapacity);
    joined += filteredInput(screen.input);
    if (joined.size() > kExpressionTextCapacity - 1) joined.resize(kExpressionTextCapacity - 1);
    if (!joined.empty() && !canEndOperand(joined.back())) joined.pop_back();
    return joined;
}

// The same join without the cut is longer than the expression holds: the
// answer is refused.
bool joinedTooLong(const Screen& screen) {
    std::string joined;
    for (auto box = screen.popups.rbegin(); box != screen.popups.rend(); ++box) joined += cut(*box, kBoxTextCapacity);
    joined += filteredInput(screen.input);
    if (!joined.empty() && !canEndOperand(joined.back())) joined.pop_back();
    return joined.size() > kExpressionTextCapacity - 1;
}

std::string withoutGrouping(const std::string& text) {
    std::string plain = text;
    std::erase_if(plain, [](char c) { return c == ' ' || c == ','; });
    return plain;
}

// ---- The soak's own account of the calculation ----------------------------

struct Model {
    std::string expression;  // as the last change handling joined it
    std::string variables[3] = {"0.0", "0.0", "0.0"};
    int displayDecimals = 10;
    int groupMode = 0;
    int angleInDegrees = 1;
    bool tooLong = false;        // the join did not fit: refused
    std::string expected = "0";  // what the result box must show
};

// The batch recalculation of the model's texts and settings, run on a scratch
// copy of the state with the recording seam (its message boxes are only
// recorded); the window's state and seam are put back afterwards.
std::string recalculated(const Model& model) {
    static CalculatorState kept;
    kept = calculatorState;
    const int places = workingPlaces;
    installPlatformSeam({nullptr, nullptr});
    CalculatorState& s = calculatorState;
    copyText(s.expressionText, model.expression.c_str());
    s.expressionTooLong = model.tooLong ? 1 : 0;
    for (int i = 0; i < 3; ++i) copyText(s.variableTexts[i], model.variables[i].c_str());
    s.displayDecimals = model.displayDecimals;
    s.groupMode = model.groupMode;
    s.angleInDegrees = model.angleInDegrees;
    clearRecordedCalls();
    recalculate();
    const std::string answer = recordedResultText();
    calculatorState = kept;
    workingPlaces = places;
    installWindowPlatformSeam();
    return answer;
}

// The change handling ran: the model takes the texts the boxes show, and the
// answer follows when the input's parentheses balance.
void takeChangeHandling(Model& model, const Screen& screen) {
    model.expression = joinedExpression(screen);
    model.tooLong = joinedTooLong(screen);
    if (screen.variablesShown) {
        for (int i = 0; i < 3; ++i) model.variables[i] = cut(screen.variables[i], kVariableTextCapacity);
    }
    if (balanced(filteredInput(screen.input))) model.expected = recalculated(model);
}

// ---- Texts the soak keeps slow inputs out of -------------------------------

// An exponent ("^" or a number's "E"/"e") of four or more digits, or more than
// 60 open parentheses, makes one recalculation slow without finding anything
// new; the soak clears such texts away at once.
bool slowShape(const std::string& text) {
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(' && ++depth > 60) return true;
        if (c == ')') --depth;
        if (c != '^' && c != 'E' && c != 'e') continue;
        std::size_t j = i + 1;
        while (j < text.size() && std::strchr("(+- \t\r\n", text[j]) != nullptr && text[j] != '\0') ++j;
        int digits = 0;
        while (j < text.size() && ((text[j] >= '0' && text[j] <= '9') || droppedByInputFilter(text[j]))) {
            if (text[j] >= '0' && text[j] <= '9') ++digits;
            ++j;
        }
        if (digits >= 4) return true;
    }
    return false;
}

// ---- Keystrokes and texts to paste ------------------------------------------

const char* const kWords[] = {"sin(", "cos(", "tan(", "asin(", "acos(", "atan(", "sqrt(", "abs(",
                              "ln(",  "log(", "exp(", "pi",    "x",     "y",     "z",     "E-",
                              "E+",   "9'",   "7\\",  "4>3",   "2%3",   "Sin",   "1,000", "10 000"};

std::string digitsText(SoakRandom& random, int length) {
    std::string text;
    for (int i = 0; i < length; ++i) text += random.pick("0123456789");
    return text;
}

std::string pasteText(SoakRandom& random) {
    std::string text;
    switch (random.below(8)) {
    case 0:  // a number longer than any box
        text = digitsText(random, random.between(700, 1300));
        if (random.below(2) == 0) text.insert(static_cast<std::size_t>(random.below(600)), ".");
        break;
    case 1:  // what could be typed, long
        for (int n = random.between(100, 1500); n > 0; --n) text += random.pick("0123456789+-*/%>'\\.()xyzpiasinEe ,");
        break;
    case 2:  // numbers on lines of their own
        while (text.size() < static_cast<std::size_t>(random.between(50, 1200))) {
            text += digitsText(random, random.between(1, 30));
            text += random.below(2) == 0 ? "\r\n" : (random.below(2) == 0 ? "\n" : "\t");
        }
        break;
    case 3:  // odd bytes
        for (int n = random.between(10, 1100); n > 0; --n) {
            const char c = static_cast<char>(random.between(1, 255));
            // 0x98 is left out: Wine's gdi32 faults drawing it in an edit box.
            if (c != '^' && c != 'E' && c != 'e' && c != '\x98') text += c;
        }
        break;
    case 4:  // a long column of terms
        while (text.size() < static_cast<std::size_t>(random.between(20, 1100)))
            text += digitsText(random, random.between(1, 6)) + (random.below(2) == 0 ? "+" : "-");
        break;
    case 5: {  // nested parentheses
        const int depth = random.between(1, 50);
        text = std::string(static_cast<std::size_t>(depth), '(') + digitsText(random, 3) +
               std::string(static_cast<std::size_t>(random.between(depth - 2, depth + 2)), ')');
        break;
    }
    case 6:  // answers and memories come back this way
        text = digitsText(random, random.between(1, 20)) + "." + digitsText(random, random.between(0, 60));
        break;
    default:  // a function name or a variable
        text = kWords[random.below(static_cast<int>(std::size(kWords)))];
        break;
    }
    return text;
}

// ---- One step ---------------------------------------------------------------

struct SoakRun {
    SoakRandom random;
    Model model;
    std::string pendingKeys;  // the rest of a word being typed
    std::string action;       // what the current step did, for the report
    std::string pasted;       // the text of the last paste
};

void sendChar(char c) {
    HWND focus = GetFocus();
    SendMessageA(focus, WM_CHAR, static_cast<unsigned char>(c), 1);
}

HWND randomEditBox(SoakRandom& random, const Screen& screen) {
    const int roll = random.below(100);
    if (roll < 35 && !screen.popups.empty()) {
        return popupBox(random.between(1, static_cast<int>(screen.popups.size())));
    }
    if (roll < 55 && screen.variablesShown) return windowState.variableBoxes[random.below(3)];
    if (roll < 62) return resultBox();
    return inputBox();
}

struct CommandChoice {
    int id;
    int weight;
};

const CommandChoice kCommands[] = {
    {kClearButton, 12},      {kClearSaveButton, 8},
    {kDisplayNoGroup, 3},    {kDisplayCommas, 3},
    {kDisplayGroup5, 3},     {kDisplayNoDecimals, 2},
    {kDisplay10Decimals, 2}, {kDisplay20Decimals, 1},
    {kDisplay30Decimals, 1}, {kDisplay40Decimals, 1},
    {kDisplay50Decimals, 1}, {kDisplayAllDecimals, 3},
    {kTrigDegrees, 3},       {kTrigRadians, 3},
    {kShowVariables, 5},     {kHideVariables, 3},
    {kClearVariables, 2},    {kSaveToX, 2},
    {kSaveToY, 2},           {kSaveToZ, 2},
    {kMemorySave1, 2},       {kMemorySave2, 1},
    {kMemorySave3, 1},       {kMemoryRecall1, 2},
    {kMemoryRecall2, 1},     {kMemoryRecall3, 1},
    {kEditCopy, 2},          {kEditCut, 2},
    {kEditPaste, 2},         {kFileNewCalculation, 2},
    {kClearCalculations, 1}, {kFirstRecallCalculation, 5},
    {kHelpAbout, 1},         {kFileExit, 1},
};

int pickCommand(SoakRandom& random) {
    int total = 0;
    for (const CommandChoice& c : kCommands) total += c.weight;
    int roll = random.below(total);
    for (const CommandChoice& c : kCommands) {
        if (roll < c.weight) return c.id;
        roll -= c.weight;
    }
    return kClearButton;
}

// Runs a command and brings the model along as the command's own rules say.
void runCommandStep(SoakRun& run, int id, const Screen& before) {
    Model& m = run.model;
    const int saved = calculatorState.savedCount;
    bool editsFocus = false;    // may change the focused box (change handling)
    bool recalculates = false;  // recalculates whatever the boxes did
    switch (id) {
    case kClearButton:
    case kClearSaveButton:
        if (saved >= kMaxSavedCalculations) break;  // "At Limit": the boxes stay
        if (id == kClearButton) {
            m.expression.clear();
            m.tooLong = false;
        }
        recalculates = true;  // Clear/Save keeps the joined expression
        break;
    case kFileNewCalculation:
        m.expression.clear();
        m.tooLong = false;
        recalculates = true;
        break;
    case kClearCalculations:
        if (saved == 0) return;  // no such item on the menu
        m.expression.clear();
        m.tooLong = false;
        recalculates = true;
        break;
    case kFirstRecallCalculation: {
        if (saved == 0) return;
        id = kClearCalculations + run.random.between(1, saved);
        const bool asks = !cut(before.input, 10).empty();
        const bool refuse = asks && run.random.below(4) == 0;
        if (asks) answerMessageBoxes({refuse ? IDNO : IDYES});
        run.action += " recall " + std::to_string(id - kClearCalculations) + (refuse ? " (No)" : "");
        sendCommand(id);
        if (!refuse) {
            const Screen after = readScreen();
            m.expression = joinedExpression(after);
            m.tooLong = joinedTooLong(after);
            if (after.variablesShown) {
                for (int i = 0; i < 3; ++i) m.variables[i] = cut(after.variables[i], kVariableTextCapacity);
            }
            m.expected = recalculated(m);
        }
        return;
    }
    case kDisplayNoGroup:
        m.groupMode = 0;
        recalculates = true;
        break;
    case kDisplayCommas:
        m.groupMode = -1;
        recalculates = true;
        break;
    case kDisplayGroup5:
        m.groupMode = 5;
        recalculates = true;
        break;
    case kDisplayNoDecimals:
        m.displayDecimals = 0;
        recalculates = true;
        break;
    case kDisplay10Decimals:
        m.displayDecimals = 10;
        recalculates = true;
        break;
    case kDisplay20Decimals:
        m.displayDecimals = 20;
        recalculates = true;
        break;
    case kDisplay30Decimals:
        m.displayDecimals = 30;
        recalculates = true;
        break;
    case kDisplay40Decimals:
        m.displayDecimals = 40;
        recalculates = true;
        break;
    case kDisplay50Decimals:
        m.displayDecimals = 50;
        recalculates = true;
        break;
    case kDisplayAllDecimals:
        m.displayDecimals = -1;
        recalculates = true;
        break;
    case kTrigDegrees:
        m.angleInDegrees = 1;
        recalculates = true;
        break;
    case kTrigRadians:
        m.angleInDegrees = 0;
        recalculates = true;
        break;
    case kHideVariables:
        if (before.variablesShown) {
            for (int i = 0; i < 3; ++i) m.variables[i] = cut(before.variables[i], kVariableTextCapacity);
        }
        break;
    case kClearVariables: recalculates = true; break;  // with the texts read before
    case kSaveToX:
    case kSaveToY:
    case kSaveToZ:
        if (!before.variablesShown) return;  // the buttons exist only then
        m.variables[id - kSaveToX] = cut(withoutGrouping(before.result), kVariableTextCapacity);
        break;
    case kMemoryRecall1:
    case kMemoryRecall2:
    case kMemoryRecall3: editsFocus = true; break;
    case kEditCut:
    case kEditPaste:
        editsFocus = true;
        recalculates = true;
        break;
    case kFileExit: answerMessageBoxes({IDYES}); break;  // "Reminder": Yes keeps the window
    default: break;
    }
    run.action += " command " + std::to_string(id);
    sendCommand(id);
    if (editsFocus && calculatorState.calculationSaved == 0) takeChangeHandling(m, readScreen());
    if (recalculates) m.expected = recalculated(m);
}

void typeStep(SoakRun& run, char c) {
    run.action += " key " + std::to_string(static_cast<unsigned char>(c));
    sendChar(c);
}

void pressStep(SoakRun& run, UINT key) {
    run.action += " vkey " + std::to_string(key);
    pressKey(GetFocus(), key);
}

// One random keystroke, click, selection, paste or command.
void soakStep(SoakRun& run, const Screen& before) {
    SoakRandom& r = run.random;
    Model& m = run.model;
    if (!run.pendingKeys.empty()) {
        typeStep(run, run.pendingKeys.front());
        run.pendingKeys.erase(0, 1);
        return;
    }
    const int roll = r.below(1000);
    if (roll < 330) return typeStep(run, r.pick("0123456789"));
    if (roll < 450) return typeStep(run, r.pick("++++----*/%>'\\"));
    if (roll < 460) return typeStep(run, '^');
    if (roll < 520) return typeStep(run, r.pick("abcdefghijklmnopqrstuvwxyzEXPIZ"));
    if (roll < 580) {
        run.pendingKeys = kWords[r.below(static_cast<int>(std::size(kWords)))];
        return soakStep(run, before);
    }
    if (roll < 630) return typeStep(run, r.pick("(()"));
    if (roll < 660) return typeStep(run, r.pick(".., "));
    if (roll < 720) return typeStep(run, '\b');
    if (roll < 735) {
        run.action += " enter";
        HWND focus = GetFocus();
        SendMessageA(focus, WM_KEYDOWN, VK_RETURN, 0x001C0001);
        SendMessageA(focus, WM_CHAR, '\r', 0x001C0001);
        SendMessageA(focus, WM_KEYUP, VK_RETURN, 0xC01C0001);
        return;
    }
    if (roll < 775) {
        const UINT keys[] = {VK_LEFT, VK_LEFT, VK_RIGHT, VK_HOME, VK_END, VK_DELETE};
        return pressStep(run, keys[r.below(6)]);
    }
    if (roll < 785) return typeStep(run, r.pick("\x03\x18\x16\x1a"));  // Ctrl+C, X, V, Z
    if (roll < 845) {
        HWND box = randomEditBox(r, before);
        const int x = r.between(1, 460);
        run.action += " click x " + std::to_string(x) + " of box " + std::to_string(GetDlgCtrlID(box));
        SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 10));
        SendMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(x, 10));
        return;
    }
    if (roll < 860) {
        const int length = GetWindowTextLengthA(GetFocus());
        const int start = r.between(0, length);
        const int end = r.between(0, length);
        run.action += " select " + std::to_string(start) + ".." + std::to_string(end);
        SendMessageA(GetFocus(), EM_SETSEL, static_cast<WPARAM>(start), end);
        return;
    }
    if (roll < 885) {
        const std::string text = pasteText(r);
        setClipboardText(text);
        run.pasted = text;
        run.action += " paste of " + std::to_string(text.size()) + " characters";
        if (r.below(2) == 0) return typeStep(run, '\x16');
        return runCommandStep(run, kEditPaste, before);
    }
    (void)m;
    return runCommandStep(run, pickCommand(r), before);
}

// After a step that left a slow text behind: clear it away, so that the
// following keystrokes stay quick.
bool clearSlowTexts(SoakRun& run, const Screen& screen) {
    Model& m = run.model;
    if (slowShape(m.expression) || slowShape(joinedExpression(screen))) {
        run.action += " (slow expression cleared)";
        runCommandStep(run, calculatorState.savedCount < kMaxSavedCalculations ? kClearButton : kFileNewCalculation,
                       screen);
        return true;
    }
    for (int i = 0; i < 3; ++i) {
        if (!slowShape(m.variables[i]) && !(screen.variablesShown && slowShape(screen.variables[i]))) continue;
        run.action += " (slow variable cleared)";
        if (!screen.variablesShown) runCommandStep(run, kShowVariables, screen);
        // Clear Variables, then one change so that the texts are read again.
        runCommandStep(run, kClearVariables, readScreen());
        calculatorState.calculationSaved = 1;
        typeInto(windowState.variableBoxes[i], " ");
        if (calculatorState.calculationSaved == 0) takeChangeHandling(m, readScreen());
        return true;
    }
    return false;
}

// ---- Checks -------------------------------------------------------------------

template <std::size_t N>
bool fits(const char (&text)[N]) {
    return std::memchr(text, '\0', N) != nullptr;
}

// Empty when everything holds; otherwise what failed.
std::string brokenInvariant(const Model& model, const Screen& screen) {
    const CalculatorState& s = calculatorState;
    if (!IsWindow(mainWindowHandle())) return "the main window is gone";
    if (s.boxCount < 1 || s.boxCount > kMaxBoxes) return "boxCount " + std::to_string(s.boxCount);
    for (int slot = 1; slot <= kMaxBoxes; ++slot)
        if (!fits(s.boxStore[slot])) return "boxStore slot " + std::to_string(slot) + " overruns";
    if (!fits(s.inputText)) return "inputText overruns";
    if (!fits(s.expressionText)) return "expressionText overruns";
    if (!fits(s.resultText)) return "resultText overruns";
    for (int i = 0; i < 3; ++i) {
        if (!fits(s.variableTexts[i])) return "variable text " + std::to_string(i) + " overruns";
        if (!fits(s.memoryTexts[i])) return "memory " + std::to_string(i + 1) + " overruns";
    }
    if (!fits(s.currentFile)) return "currentFile overruns";
    if (s.savedCount < 0 || s.savedCount > kMaxSavedCalculations) return "savedCount " + std::to_string(s.savedCount);
    if (static_cast<int>(screen.popups.size()) != s.boxCount - 1)
        return std::to_string(screen.popups.size()) + " popup boxes on screen, boxCount " + std::to_string(s.boxCount);
    if (screen.result.size() >= kResultTextCapacity)
        return "the result box holds " + std::to_string(screen.result.size());
    if (screen.result != model.expected) return "the result box differs from the recalculation";
    return {};
}

std::string quoted(const std::string& text) {
    std::ostringstream out;
    out << '"';
    for (unsigned char c : text.substr(0, 1200)) {
        if (c == '"' || c == '\\')
            out << '\\' << c;
        else if (c >= 32 && c < 127)
            out << c;
        else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            out << escape;
        }
    }
    out << '"';
    if (text.size() > 1200) out << "... (" << text.size() << " characters)";
    return out.str();
}

std::string report(std::uint64_t seed, int step, const SoakRun& run, const Screen& screen, const std::string& what) {
    std::ostringstream out;
    out << "soak seed " << seed << " step " << step << ": " << what << "\n  action:" << run.action;
    out << "\n  result box:   " << quoted(screen.result) << "\n  recalculated: " << quoted(run.model.expected);
    out << "\n  expression:   " << quoted(run.model.expression)
        << "\n  state expression: " << quoted(calculatorState.expressionText);
    for (int i = 0; i < 3; ++i)
        out << "\n  variable "
            << "xyz"[i] << ": " << quoted(run.model.variables[i]);
    out << "\n  settings: decimals " << run.model.displayDecimals << ", group " << run.model.groupMode << ", "
        << (run.model.angleInDegrees ? "degrees" : "radians");
    out << "\n  input box: " << quoted(screen.input);
    for (std::size_t k = 0; k < screen.popups.size(); ++k)
        out << "\n  popup " << k + 1 << ": " << quoted(screen.popups[k]);
    out << "\n  (rerun with TM_SOAK_SEED=" << seed << " TM_SOAK_STEPS=" << step << ")";
    return out.str();
}

// What a crash prints: the seed, the step and its action.
std::uint64_t crashSeed = 0;
int crashStep = 0;
const SoakRun* crashRun = nullptr;

// The program ends here: no debugger is started, the test fails at once.
LONG WINAPI reportCrash(EXCEPTION_POINTERS* exception) {
    const auto* address = static_cast<const char*>(exception->ExceptionRecord->ExceptionAddress);
    HMODULE module = nullptr;
    char moduleName[MAX_PATH] = "?";
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           address, &module))
        GetModuleFileNameA(module, moduleName, sizeof moduleName);
    std::fprintf(stderr, "soak seed %llu step %d: crash, exception 0x%08lX in %s at offset 0x%llx; action:%s\n",
                 static_cast<unsigned long long>(crashSeed), crashStep,
                 static_cast<unsigned long>(exception->ExceptionRecord->ExceptionCode), moduleName,
                 static_cast<unsigned long long>(address - reinterpret_cast<const char*>(module)),
                 crashRun != nullptr ? crashRun->action.c_str() : "");
    std::fprintf(stderr, "  focus: box %d\n", GetDlgCtrlID(GetFocus()));
    if (crashRun != nullptr && std::getenv("TM_SOAK_DUMP") != nullptr) {
        if (FILE* dump = std::fopen(std::getenv("TM_SOAK_DUMP"), "wb")) {
            std::fwrite(crashRun->pasted.data(), 1, crashRun->pasted.size(), dump);
            std::fclose(dump);
        }
    }
    if (crashRun != nullptr) {
        std::fprintf(stderr, "  last paste: %s\n  expression: %s\n  state expression: %s\n",
                     quoted(crashRun->pasted).c_str(), quoted(crashRun->model.expression).c_str(),
                     quoted(calculatorState.expressionText).c_str());
        for (int i = 0; i < 3; ++i)
            std::fprintf(stderr, "  variable %c: %s\n", "xyz"[i], quoted(crashRun->model.variables[i]).c_str());
    }
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

double secondsNow() {
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct SlowStep {
    double seconds;
    int step;
    std::string action;
    std::string expression;
};

using TypingSoak = CalculatorWindow;

TEST_F(TypingSoak, RandomKeystrokesKeepEveryTextBoundedAndTheAnswerCurrent) {
    const std::uint64_t seed = numberFromEnvironment("TM_SOAK_SEED", kDefaultSeed);
    const int steps = static_cast<int>(numberFromEnvironment("TM_SOAK_STEPS", kDefaultSteps));
    SoakRun run{{seed}, {}, {}, {}, {}};
    crashSeed = seed;
    crashRun = &run;
    LPTOP_LEVEL_EXCEPTION_FILTER previousFilter = SetUnhandledExceptionFilter(reportCrash);
    setClipboardText("");

    std::vector<SlowStep> slowest;
    const double started = secondsNow();
    Screen screen = readScreen();
    std::string broken = brokenInvariant(run.model, screen);
    ASSERT_TRUE(broken.empty()) << report(seed, 0, run, screen, broken);
    for (int step = 1; step <= steps; ++step) {
        crashStep = step;
        run.action.clear();
        const double stepStarted = secondsNow();
        calculatorState.calculationSaved = 1;  // cleared again by every change handling
        soakStep(run, screen);
        if (calculatorState.calculationSaved == 0) takeChangeHandling(run.model, readScreen());
        screen = readScreen();
        broken = brokenInvariant(run.model, screen);
        if (broken.empty() && clearSlowTexts(run, screen)) {
            screen = readScreen();
            broken = brokenInvariant(run.model, screen);
        }
        ASSERT_TRUE(broken.empty()) << report(seed, step, run, screen, broken);
        const double took = secondsNow() - stepStarted;
        if (slowest.size() < 5 || took > slowest.back().seconds) {
            slowest.push_back({took, step, run.action, run.model.expression});
            std::sort(slowest.begin(), slowest.end(),
                      [](const SlowStep& a, const SlowStep& b) { return a.seconds > b.seconds; });
            if (slowest.size() > 5) slowest.pop_back();
        }
        if (seenMessageBoxes().size() > 100) forgetMessageBoxes();
        if (step % 5000 == 0) {
            std::printf("soak seed %llu: %d steps, %.1f s\n", static_cast<unsigned long long>(seed), step,
                        secondsNow() - started);
            std::fflush(stdout);
        }
    }
    std::printf("soak seed %llu: %d keystrokes in %.1f s; slowest steps:\n", static_cast<unsigned long long>(seed),
                steps, secondsNow() - started);
    for (const SlowStep& slow : slowest)
        std::printf("  step %d %.3f s:%s on %s\n", slow.step, slow.seconds, slow.action.c_str(),
                    quoted(slow.expression).substr(0, 200).c_str());
    SetUnhandledExceptionFilter(previousFilter);
    crashRun = nullptr;
}

}  // namespace
