// The oracle of the function differential test: prints the result line of
// every case, worked out by the elementary functions built on the plain
// digit kernels and with no kept constants.
//   plain_function_results CASES_PER_FUNCTION
#include "function_cases.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const int perFunction = argc > 1 ? std::atoi(argv[1]) : 0;
    if (perFunction <= 0) {
        std::fprintf(stderr, "usage: %s CASES_PER_FUNCTION\n", argv[0]);
        return 2;
    }
    for (const functionDifferential::FunctionCase& c : functionDifferential::functionCases(perFunction)) {
        std::printf("%s\n", functionDifferential::resultLine(c).c_str());
    }
    return 0;
}
