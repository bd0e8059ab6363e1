// Speed of the core arithmetic on operands of the sizes a recalculation
// meets: 57 digits (54 working places plus guards), 560 digits, and sums of
// 120-digit values.
#include "decimal_number.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A deterministic operand of `count` digits with `fraction` of them after
// the point, digits drawn from a simple linear congruential sequence.
DecimalNumber operand(std::size_t count, std::size_t fraction, unsigned seed) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        char digit = static_cast<char>('0' + (seed >> 16) % 10);
        if (i == 0 && digit == '0') digit = '7';
        if (i == count - fraction) text += '.';
        text += digit;
    }
    return DecimalNumber::fromText(text.c_str());
}

void multiplyDigits(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    workingPlaces = 54;
    const DecimalNumber a = operand(count, count / 2, 1);
    const DecimalNumber b = operand(count, count / 2, 2);
    for (auto _ : state) benchmark::DoNotOptimize(a.multiply(b));
}
BENCHMARK(multiplyDigits)->Arg(57)->Arg(560)->Unit(benchmark::kMicrosecond);

void divideDigits(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    workingPlaces = 54;
    const DecimalNumber a = operand(count, count / 2, 3);
    const DecimalNumber b = operand(count, count / 2, 4);
    for (auto _ : state) benchmark::DoNotOptimize(a.divide(b));
}
BENCHMARK(divideDigits)->Arg(57)->Arg(560)->Unit(benchmark::kMicrosecond);

void addDigits(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const DecimalNumber a = operand(count, 60, 5);
    const DecimalNumber b = operand(count, 57, 6);
    for (auto _ : state) benchmark::DoNotOptimize(a.add(b));
}
BENCHMARK(addDigits)->Arg(120)->Unit(benchmark::kMicrosecond);

}  // namespace
