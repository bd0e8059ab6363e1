// Building the saved calculation text and its date stamp.
#include "saved_calculation_text.h"

#include "calculator_state.h"

#include <cstdio>
#include <ctime>

namespace {

LocalTime systemClock() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#if defined(_WIN32)
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min};
}

LocalTime (*readLocalTime)() = systemClock;

char stampBuffer[32];

// A box is one row: line breaks in it (Enter pressed in the box, or pasted)
// are left out, so that each term stays one line and the text never holds an
// empty line, which would end an entry in the calculation file.
void appendBoxText(std::string& text, const char* boxText) {
    for (; *boxText != '\0'; ++boxText) {
        if (*boxText != '\r' && *boxText != '\n') text += *boxText;
    }
}

} // namespace

void installClock(LocalTime (*readClock)()) { readLocalTime = readClock != nullptr ? readClock : systemClock; }

const char* dateStamp() {
    const LocalTime now = readLocalTime();
    const int hour = now.hour > 12 ? now.hour - 12 : now.hour;
    const char* suffix = now.hour < 12 ? "AM" : "PM";
    std::snprintf(stampBuffer, sizeof stampBuffer, "%d/%d/%d %d:%02d %s", now.month, now.day, now.year, hour,
                  now.minute, suffix);
    return stampBuffer;
}

std::string savedCalculationText(const char* stamp) {
    const CalculatorState& s = calculatorState;
    std::string text;
    for (int slot = 1; slot < s.boxCount && slot <= kMaxBoxes; ++slot) {
        const std::size_t start = text.size();
        appendBoxText(text, s.boxStore[slot]);
        if (text.size() > start) text += '\n';
    }
    appendBoxText(text, s.inputText);
    text += '=';
    text += s.resultText;
    text += "\nSaved: ";
    text += stamp != nullptr ? stamp : "";
    return text;
}
