// The cost of one call of each correlation direction, against one std::log10
// call, the one costly operation each of them has to make.
//
// Every benchmark walks the same ring of inputs, so that no call can be
// hoisted out of the loop or folded at compile time, and hands every result
// to DoNotOptimize, so that none can be dropped. "Loop" does the same walk
// with no call at all: what it costs is in every other figure too.

#include "correlation.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

constexpr std::size_t ringSize = 1024; // a power of two: the index wraps with a mask

struct Inputs {
    std::array<double, ringSize> celsius{};
    std::array<double, ringSize> torr{};
};

// Temperatures spread evenly over the entry range 0-500 °C, pressures
// log-evenly over 0.01-760 Torr, so that about half of them lie at or below
// 2 Torr, where the correlation takes its other pair of terms. The order is
// scrambled (fixed seed) so that the branch on the pressure is not a pattern
// the predictor learns.
Inputs makeInputs()
{
    Inputs in;
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    auto uniform = [&state] {
        state = state * 6364136223846793005u + 1442695040888963407u;
        return static_cast<double>(state >> 11) * 0x1.0p-53;
    };
    const double lowLog = std::log10(0.01);
    const double highLog = std::log10(760.0);
    for (std::size_t i = 0; i < ringSize; ++i) {
        in.celsius[i] = 500.0 * uniform();
        in.torr[i] = std::pow(10.0, lowLog + (highLog - lowLog) * uniform());
    }
    return in;
}

const Inputs inputs = makeInputs();

// Walks the ring, handing each pair of inputs to call.
template <class Call>
void walk(benchmark::State &state, Call call)
{
    std::size_t i = 0;
    for (auto _ : state) {
        double t = inputs.celsius[i];
        double p = inputs.torr[i];
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(p);
        call(t, p);
        i = (i + 1) & (ringSize - 1);
    }
}

void Loop(benchmark::State &state)
{
    walk(state, [](double, double) {});
}

// Given the same two inputs as the others, of which it uses the pressure,
// as the correlation does.
void Log10(benchmark::State &state)
{
    walk(state, [](double, double p) {
        double r = std::log10(p);
        benchmark::DoNotOptimize(r);
    });
}

void AetFromActual(benchmark::State &state)
{
    walk(state, [](double t, double p) {
        double r = correlation::aetFromActual(t, p);
        benchmark::DoNotOptimize(r);
    });
}

void ActualFromAet(benchmark::State &state)
{
    walk(state, [](double t, double p) {
        double r = correlation::actualFromAet(t, p);
        benchmark::DoNotOptimize(r);
    });
}

} // namespace

BENCHMARK(Loop);
BENCHMARK(Log10);
BENCHMARK(AetFromActual);
BENCHMARK(ActualFromAet);

BENCHMARK_MAIN();
