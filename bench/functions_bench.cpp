// Elementary functions at 54 working places (the precision of every
// recalculation) on typical arguments, plus the known slow cases.
#include <benchmark/benchmark.h>

#include <string>

#include "decimal_number.h"
#include "pi_constant.h"

namespace {

using Function = DecimalNumber (*)(const DecimalNumber&);

void runAt54(benchmark::State& state, Function f, const std::string& argument) {
    initPiConstant();
    const int saved = workingPlaces;
    workingPlaces = 54;
    const DecimalNumber x = DecimalNumber::fromText(argument.c_str());
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(x));
    }
    workingPlaces = saved;
}

DecimalNumber squareRoot(const DecimalNumber& x) { return x.squareRoot(); }
DecimalNumber exponential(const DecimalNumber& x) { return x.exponential(); }
DecimalNumber powerFractional(const DecimalNumber& x) { return x.power(DecimalNumber::fromText("2.5")); }
DecimalNumber powerInteger(const DecimalNumber& x) { return x.power(DecimalNumber::fromInt(37)); }
DecimalNumber naturalLog(const DecimalNumber& x) { return x.naturalLog(); }
DecimalNumber log10(const DecimalNumber& x) { return x.log10(); }
DecimalNumber sine(const DecimalNumber& x) { return x.sine(); }
DecimalNumber cosine(const DecimalNumber& x) { return x.cosine(); }
DecimalNumber tangent(const DecimalNumber& x) { return x.tangent(); }
DecimalNumber arcSine(const DecimalNumber& x) { return x.arcSine(); }
DecimalNumber arcCosine(const DecimalNumber& x) { return x.arcCosine(); }
DecimalNumber arcTangent(const DecimalNumber& x) { return x.arcTangent(); }

const std::string kTenToMinus30 = "." + std::string(29, '0') + "1";
const std::string kNines = std::string(999, '9');

}  // namespace

BENCHMARK_CAPTURE(runAt54, SquareRoot_2, squareRoot, "2")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runAt54, Exponential_2p5, exponential, "2.5")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runAt54, Power_3p7_To_2p5, powerFractional, "3.7")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runAt54, Power_1p5_To_37, powerInteger, "1.5")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runAt54, NaturalLog_2, naturalLog, "2")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runAt54, Log10_2, log10, "2")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runAt54, Sine_30, sine, "30")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runAt54, Cosine_60, cosine, "60")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runAt54, Tangent_45, tangent, "45")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runAt54, ArcSine_0p5, arcSine, ".5")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runAt54, ArcCosine_0p5, arcCosine, ".5")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runAt54, ArcTangent_1, arcTangent, "1")->Unit(benchmark::kMicrosecond);

// Large and small arguments.
BENCHMARK_CAPTURE(runAt54, Exponential_1000, exponential, "1000")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runAt54, NaturalLog_1eMinus30, naturalLog, kTenToMinus30)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(runAt54, Exponential_2400, exponential, "2400")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runAt54, Exponential_2399_Long, exponential, "2399." + std::string(995, '7'))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runAt54, NaturalLog_999Nines, naturalLog, kNines)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runAt54, Log10_999Nines, log10, kNines)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runAt54, Sine_TenTo998, sine, "1" + std::string(998, '0'))->Unit(benchmark::kMicrosecond);
