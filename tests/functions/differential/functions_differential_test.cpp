// The elementary functions as built (limb kernels, kept constants) against
// the same functions built on the plain digit kernels with every constant
// made afresh (plain_function_results): for thousands of arguments of every
// form per function at 15 and 54 working places, sign, scale and every digit
// identical. TALLYMASTER_DIFFERENTIAL_SCALE=N runs N times as many.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "function_cases.h"

namespace {

std::vector<std::string> oracleLines(int perFunction) {
    std::vector<std::string> lines;
    const std::string command = std::string(TALLYMASTER_PLAIN_FUNCTION_RESULTS) + ' ' + std::to_string(perFunction);
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return lines;
    std::string line;
    for (int c = std::fgetc(pipe); c != EOF; c = std::fgetc(pipe)) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += static_cast<char>(c);
        }
    }
    pclose(pipe);
    return lines;
}

TEST(FunctionDifferential, EveryFieldMatchesThePlainKernels) {
    using namespace functionDifferential;
    const int perFunction = casesPerFunction(TALLYMASTER_DIFFERENTIAL_CASES);
    const std::vector<FunctionCase> cases = functionCases(perFunction);
    const std::vector<std::string> want = oracleLines(perFunction);
    ASSERT_EQ(want.size(), cases.size()) << "the oracle printed every case";
    int mismatches = 0;
    std::vector<int> checked(kFunctionCount, 0);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::string got = resultLine(cases[i]);
        ++checked[static_cast<std::size_t>(cases[i].function)];
        if (got == want[i]) continue;
        if (++mismatches <= 20) ADD_FAILURE() << "got  " << got << "\nwant " << want[i];
    }
    EXPECT_EQ(mismatches, 0);
    for (int f = 0; f < kFunctionCount; ++f)
        EXPECT_EQ(checked[static_cast<std::size_t>(f)], 2 * perFunction) << kFunctions[f].name;
}

}  // namespace
