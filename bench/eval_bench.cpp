// Whole recalculations of typical expressions, as each keystroke runs them
// (54 working places, 10 decimals, degrees).
#include "calculator_state.h"
#include "recalculation.h"

#include <benchmark/benchmark.h>

namespace {

void recalculateExpression(benchmark::State& state, const char* expression) {
    resetCalculatorState();
    copyText(calculatorState.expressionText, expression);
    for (auto _ : state) {
        recalculate();
        benchmark::DoNotOptimize(calculatorState.resultText[0]);
    }
}

BENCHMARK_CAPTURE(recalculateExpression, Sum, "12+7.5-3");
BENCHMARK_CAPTURE(recalculateExpression, Third, "1/3");
BENCHMARK_CAPTURE(recalculateExpression, SinPlusCos, "sin30+cos60");
BENCHMARK_CAPTURE(recalculateExpression, Ln2, "ln2");
BENCHMARK_CAPTURE(recalculateExpression, Log2, "log(2)");
BENCHMARK_CAPTURE(recalculateExpression, Exp1, "exp(1)");
BENCHMARK_CAPTURE(recalculateExpression, SquareRootAsPower, "2^0.5");
BENCHMARK_CAPTURE(recalculateExpression, ArcSine, "asin(.5)");
BENCHMARK_CAPTURE(recalculateExpression, Hypotenuse, "3'4");
BENCHMARK_CAPTURE(recalculateExpression, TwoArgumentArcTangent, "1\\-1");
BENCHMARK_CAPTURE(recalculateExpression, Parentheses, "(1+2)*3/7");
BENCHMARK_CAPTURE(recalculateExpression, Exp100, "exp(100)");
BENCHMARK_CAPTURE(recalculateExpression, LnOfTiny, "ln(10^-30)");
BENCHMARK_CAPTURE(recalculateExpression, TenTerms, "12.5+3.75-8+100.01+7-0.5+19.99+42-6.25+1000");

}  // namespace
