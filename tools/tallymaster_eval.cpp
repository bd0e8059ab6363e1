// tallymaster-eval: runs the calculator's recalculation on each line of
// standard input, for comparing answers across builds and for timing; or
// checks the saved answers of a calculation file.
//
//   tallymaster-eval [--decimals 0|10|20|30|40|50|all] [--group none|commas|5]
//                    [--radians] [--x TEXT] [--y TEXT] [--z TEXT] [--time]
//                    [--file F.twr]
//
// For each line: one "! TITLE: TEXT" line per message box, in order (a line
// break inside TEXT written as \n), then the answer as the result box shows it.
//
// With --file: the file is read with the checks of File > Open; a file that
// Open refuses gives Open's message ("TITLE: TEXT") on standard error and
// exit status 2. Otherwise each saved calculation and then the present one
// is recalculated at the settings given, its message boxes written as
// above, and one line written:
//   saved N: EXPRESSION = STORED, recomputed ANSWER
//   present: EXPRESSION = STORED, recomputed ANSWER
// with "  DIFFERS" at the end where the two differ, "(no answer)" for an
// entry without "=", and "not recalculated (parentheses do not balance)"
// where the window would not recalculate either. A last line counts them;
// the exit status is 1 when any answer is not confirmed, else 0.
#include "calculation_check.h"
#include "calculation_file_messages.h"
#include "calculation_file_text.h"
#include "calculator_state.h"
#include "display_choices.h"
#include "platform_seam.h"
#include "recalculation.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

// "usage: tallymaster-eval [--decimals 0|10|...|all] [--group none|commas|5] ...",
// the words of the Display choices taken from their table.
std::string usageText() {
    std::string words[2];
    for (std::size_t i = 0; i < kDisplayChoiceCount; ++i) {
        std::string& list = words[kDisplayChoices[i].kind == kDecimalsChoice ? 0 : 1];
        if (!list.empty()) list += '|';
        list += kDisplayChoices[i].optionWord;
    }
    return "usage: tallymaster-eval [--decimals " + words[0] + "] [--group " + words[1] +
           "] [--radians] [--x TEXT] [--y TEXT] [--z TEXT] [--time] [--file F.twr]\n";
}

struct Options {
    int displayDecimals = startingDecimals().value;
    int groupMode = kDisplayChoices[0].value;  // No Group
    int angleInDegrees = 1;
    std::string variables[3] = {"0.0", "0.0", "0.0"};
    bool time = false;
    bool checkFile = false;
    std::string file;
};

// The value of the Display choice of the given kind named word; false when
// there is none.
bool readChoice(DisplayChoiceKind kind, const std::string& word, int& value) {
    const DisplayChoice* choice = findDisplayChoiceByWord(kind, word.c_str());
    if (choice == nullptr) return false;
    value = choice->value;
    return true;
}

// Splits "--name=VALUE" or takes the next word as VALUE (always, even when
// it begins with '-' or is empty). False when the value is missing.
bool optionValue(const std::string& arg, const std::string& name, int argc, char** argv, int& index, std::string& value,
                 bool& matched) {
    matched = false;
    if (arg == name) {
        matched = true;
        if (index + 1 >= argc) return false;
        value = argv[++index];
        return true;
    }
    if (arg.rfind(name + "=", 0) == 0) {
        matched = true;
        value = arg.substr(name.size() + 1);
        return true;
    }
    return true;
}

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--radians") {
            options.angleInDegrees = 0;
            continue;
        }
        if (arg == "--time") {
            options.time = true;
            continue;
        }
        std::string value;
        bool matched = false;
        if (!optionValue(arg, "--decimals", argc, argv, i, value, matched)) return false;
        if (matched) {
            if (!readChoice(kDecimalsChoice, value, options.displayDecimals)) return false;
            continue;
        }
        if (!optionValue(arg, "--file", argc, argv, i, value, matched)) return false;
        if (matched) {
            options.checkFile = true;
            options.file = value;
            continue;
        }
        if (!optionValue(arg, "--group", argc, argv, i, value, matched)) return false;
        if (matched) {
            if (!readChoice(kGroupingChoice, value, options.groupMode)) return false;
            continue;
        }
        const char* variableOptions[3] = {"--x", "--y", "--z"};
        bool variable = false;
        for (int v = 0; v < 3 && !variable; ++v) {
            if (!optionValue(arg, variableOptions[v], argc, argv, i, value, matched)) return false;
            if (matched) {
                options.variables[v] = value;
                variable = true;
            }
        }
        if (!variable) return false;
    }
    return true;
}

// Message boxes are written out at once, in the order they are raised.
void writeMessage(const char* title, const char* text) {
    std::string line = "! ";
    line += title;
    line += ": ";
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '\n')
            line += "\\n";
        else
            line += *c;
    }
    std::cout << line << '\n';
}

void ignoreResultText(const char*) {}

// A refused file: the message File > Open shows, on standard error.
int refuseFile(const char* title, const std::string& text) {
    std::string line = title;
    line += ": ";
    for (char c : text) {
        if (c == '\n')
            line += "\\n";
        else
            line += c;
    }
    std::cerr << line << '\n';
    return 2;
}

// The whole file, up to one byte past the size limit (enough to refuse it).
bool readCalculationFile(const std::string& path, std::string& bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::vector<char> block(kMaxCalculationFileBytes + 1);
    file.read(block.data(), static_cast<std::streamsize>(block.size()));
    if (file.bad()) return false;
    bytes.assign(block.data(), static_cast<std::size_t>(file.gcount()));
    return true;
}

int checkFile(const std::string& path) {
    std::string bytes;
    if (!readCalculationFile(path, bytes)) return refuseFile(kOpenFailureTitle, openFailureText(path.c_str()));
    std::vector<std::string> entries;
    if (!parseCalculationFileText(bytes, entries)) return refuseFile(kBadFileTitle, kBadFileText);

    int same = 0;
    const int count = static_cast<int>(entries.size());
    for (int e = 0; e < count; ++e) {
        const CheckedCalculation checked = checkCalculation(entries[e]);
        std::string line = e + 1 < count ? "saved " + std::to_string(e + 1) + ": " : std::string("present: ");
        line += checked.expression;
        line += " = ";
        line += checked.hasStored ? checked.stored : std::string("(no answer)");
        line += checked.recalculated ? ", recomputed " + checked.recomputed
                                     : std::string(", not recalculated (parentheses do not balance)");
        if (answersAgree(checked))
            ++same;
        else
            line += "  DIFFERS";
        std::cout << line << '\n';
    }
    std::cout << count << (count == 1 ? " calculation, " : " calculations, ") << same << " confirmed, " << count - same
              << " not\n";
    std::cout.flush();
    return same == count ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::cerr << usageText();
        return 2;
    }

    // Timing: answers are written in blocks instead of one system call per
    // line, so the kernel's work between two lines stays out of the next
    // recalculation's caches. Without --time each answer is out before the
    // next line is read, for a program that talks to this one line by line.
    if (options.time) std::cin.tie(nullptr);
    resetCalculatorState();
    CalculatorState& state = calculatorState;
    state.displayDecimals = options.displayDecimals;
    state.groupMode = options.groupMode;
    state.angleInDegrees = options.angleInDegrees;
    for (int v = 0; v < 3; ++v) copyText(state.variableTexts[v], options.variables[v].c_str());
    installPlatformSeam({writeMessage, ignoreResultText});
    if (options.checkFile) return checkFile(options.file);

    long long count = 0;
    double totalMicroseconds = 0;
    double largestMicroseconds = 0;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        copyText(state.expressionText, line.c_str());
        const auto start = std::chrono::steady_clock::now();
        recalculate();
        const auto end = std::chrono::steady_clock::now();
        const double microseconds = std::chrono::duration<double, std::micro>(end - start).count();
        ++count;
        totalMicroseconds += microseconds;
        largestMicroseconds = std::max(largestMicroseconds, microseconds);
        std::cout << state.resultText << '\n';
    }
    std::cout.flush();
    if (options.time) {
        char summary[160];
        std::snprintf(summary, sizeof summary, "recalculations: %lld, mean: %.1f us, largest: %.1f us\n", count,
                      count > 0 ? totalMicroseconds / static_cast<double>(count) : 0.0, largestMicroseconds);
        std::cerr << summary;
    }
    return 0;
}
