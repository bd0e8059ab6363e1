// The text rules of the input and popup boxes.
#include "box_text.h"

#include "calculator_state.h"

#include <cstring>
#include <vector>

namespace {

bool isDroppedCharacter(char c) {
    if (c >= 'A' && c <= 'Z') return c != 'E';
    return std::strchr("dfhjkmuvw, ", c) != nullptr && c != '\0';
}

bool canEndOperand(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == 'i' || c == 'x' || c == 'y' || c == 'z' || c == ')';
}

}  // namespace

void filterInputText(char* text) {
    char* kept = text;
    for (const char* read = text; *read != '\0'; ++read) {
        if (!isDroppedCharacter(*read)) *kept++ = *read;
    }
    *kept = '\0';
}

int parenthesisDepth(const char* text) {
    int depth = 0;
    for (; *text != '\0'; ++text) {
        if (*text == '(') ++depth;
        if (*text == ')') --depth;
    }
    return depth;
}

bool isFinishedTerm(const char* text, int depth, int boxCount) {
    const std::size_t length = std::strlen(text);
    if (length < 2) return false;
    const char last = text[length - 1];
    if (last != '+' && last != '-') return false;
    if (text[length - 2] == 'E') return false;
    return depth == 0 && boxCount < kMaxBoxes;
}

void trimTrailingCharacter(std::string& text) {
    if (!text.empty() && !canEndOperand(text.back())) text.pop_back();
}

void buildExpressionText() {
    CalculatorState& s = calculatorState;
    std::string joined;
    for (int slot = 1; slot < s.boxCount && slot <= kMaxBoxes; ++slot) joined += s.boxStore[slot];
    joined += s.inputText;
    std::string whole = joined;
    trimTrailingCharacter(whole);
    s.expressionTooLong = whole.size() > kExpressionTextCapacity - 1 ? 1 : 0;
    if (joined.size() > kExpressionTextCapacity - 1) joined.resize(kExpressionTextCapacity - 1);
    trimTrailingCharacter(joined);
    copyText(s.expressionText, joined.c_str());
}

int splitCalculationText(const char* text, int limit) {
    std::vector<std::string> lines(1);
    for (int i = 0; i < limit && text[i] != '\0' && text[i] != '='; ++i) {
        if (text[i] == '\n')
            lines.emplace_back();
        else
            lines.back() += text[i];
    }
    const std::string input = lines.back();
    lines.pop_back();
    // Nine popup boxes at most: the surplus terms run on in the ninth.
    const std::size_t maxTerms = kMaxBoxes - 1;
    if (lines.size() > maxTerms) {
        for (std::size_t i = maxTerms; i < lines.size(); ++i) lines[maxTerms - 1] += lines[i];
        lines.resize(maxTerms);
    }
    CalculatorState& s = calculatorState;
    const int count = static_cast<int>(lines.size()) + 1;
    for (int slot = 1; slot < count; ++slot) copyText(s.boxStore[slot], lines[slot - 1].c_str());
    copyText(s.boxStore[count], input.c_str());
    return count;
}

std::string ungroupedText(const char* text) {
    std::string plain;
    for (; *text != '\0'; ++text) {
        if (*text != ' ' && *text != ',') plain += *text;
    }
    return plain;
}
