// What a fuzz target does when a property fails: it names the property and
// aborts, so libFuzzer keeps the input and the corpus replay fails.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void fuzzCheck(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", property);
    std::abort();
}
