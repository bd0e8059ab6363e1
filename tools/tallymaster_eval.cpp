// tallymaster-eval: runs the calculator's recalculation on each line of
// standard input, for comparing answers across builds and for timing.
//
//   tallymaster-eval [--decimals 0|10|20|30|40|50|all] [--group none|commas|5]
//                    [--radians] [--x TEXT] [--y TEXT] [--z TEXT] [--time]
//
// For each line: one "! TITLE: TEXT" line per message box, in order (a line
// break inside TEXT written as \n), then the answer as the result box shows it.
#include "calculator_state.h"
#include "platform_seam.h"
#include "recalculation.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace {

const char kUsage[] =
    "usage: tallymaster-eval [--decimals 0|10|20|30|40|50|all] [--group none|commas|5]"
    " [--radians] [--x TEXT] [--y TEXT] [--z TEXT] [--time]\n";

struct Options {
    int displayDecimals = 10;
    int groupMode = 0;
    int angleInDegrees = 1;
    std::string variables[3] = {"0.0", "0.0", "0.0"};
    bool time = false;
};

bool readDecimals(const std::string& word, int& decimals) {
    if (word == "all") {
        decimals = -1;
        return true;
    }
    for (int choice : {0, 10, 20, 30, 40, 50}) {
        if (word == std::to_string(choice)) {
            decimals = choice;
            return true;
        }
    }
    return false;
}

bool readGroup(const std::string& word, int& group) {
    if (word == "none") group = 0;
    else if (word == "commas") group = -1;
    else if (word == "5") group = 5;
    else return false;
    return true;
}

// Splits "--name=VALUE" or takes the next word as VALUE (always, even when
// it begins with '-' or is empty). False when the value is missing.
bool optionValue(const std::string& arg, const std::string& name, int argc, char** argv,
                 int& index, std::string& value, bool& matched) {
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
            if (!readDecimals(value, options.displayDecimals)) return false;
            continue;
        }
        if (!optionValue(arg, "--group", argc, argv, i, value, matched)) return false;
        if (matched) {
            if (!readGroup(value, options.groupMode)) return false;
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
        if (*c == '\n') line += "\\n";
        else line += *c;
    }
    std::cout << line << '\n';
}

void ignoreResultText(const char*) {}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }

    resetCalculatorState();
    CalculatorState& state = calculatorState;
    state.displayDecimals = options.displayDecimals;
    state.groupMode = options.groupMode;
    state.angleInDegrees = options.angleInDegrees;
    for (int v = 0; v < 3; ++v) copyText(state.variableTexts[v], options.variables[v].c_str());
    installPlatformSeam({writeMessage, ignoreResultText});

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
        std::snprintf(summary, sizeof summary,
                      "recalculations: %lld, mean: %.1f us, largest: %.1f us\n", count,
                      count > 0 ? totalMicroseconds / static_cast<double>(count) : 0.0,
                      largestMicroseconds);
        std::cerr << summary;
    }
    return 0;
}
