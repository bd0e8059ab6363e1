// The calculation file reader fed 100,000 mutated files (built with
// AddressSanitizer): it must never crash, hang or read out of bounds, and
// whatever it accepts must hold between 1 and 31 entries.
#include "calculation_file_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// Uniform enough in 0 .. n - 1; 0 for n = 0.
std::size_t below(std::mt19937& random, std::size_t n) { return n == 0 ? 0 : random() % n; }

const char* const kSeeds[] = {
    "Marrowfieldtallymaster 2\n\n5\n+3=8\nSaved: 3/7/2008 1:07 PM\n\n12=12\nSaved: 3/7/2008 1:09 PM\n\n",
    "Marrowfieldtallymaster 1\n\n=0\nSaved: 1/1/2026 0:05 AM\n\n",
    "Marrowfieldtallymaster 3\r\n\r\n1\r\n+2=3\r\nSaved: a\r\n\r\n4=4\r\nSaved: b\r\n\r\n(5=5\nSaved: c\n\n",
};

std::string mutate(std::string text, std::mt19937& random) {
    static const char kAlphabet[] = "\n\n\r0123456789+-=()Marrowfieldtallymaster ";
    const int edits = 1 + static_cast<int>(below(random, 6));
    for (int i = 0; i < edits; ++i) {
        const std::size_t at = below(random, text.size() + 1);
        const char c = below(random, 4) == 0 ? static_cast<char>(below(random, 256))
                                             : kAlphabet[below(random, sizeof kAlphabet - 1)];
        switch (below(random, 5)) {
        case 0:
            if (at < text.size()) text[at] = c;
            break;
        case 1: text.insert(at, 1, c); break;
        case 2:
            if (at < text.size()) text.erase(at, 1 + below(random, 8));
            break;
        case 3: text.insert(at, text.substr(below(random, text.size()), below(random, 40))); break;
        default: text.resize(below(random, text.size() + 1)); break;
        }
    }
    return text;
}

TEST(CalculationFileReaderFuzz, HundredThousandMutatedFiles) {
    std::mt19937 random(20261207);
    int accepted = 0;
    for (int i = 0; i < 100000; ++i) {
        const std::string bytes = mutate(kSeeds[i % 3], random);
        std::vector<std::string> entries;
        if (parseCalculationFileText(bytes, entries)) {
            ++accepted;
            ASSERT_GE(entries.size(), 1u);
            ASSERT_LE(entries.size(), 31u);
        }
    }
    EXPECT_GT(accepted, 1000) << "the mutations should leave many files readable";
}

}  // namespace
