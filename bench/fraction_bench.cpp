#include <benchmark/benchmark.h>

#include "core/bunsuu64.h"
#include "core/number_text.h"
#include "core/text_helpers.h"

// The evaluator and the process engine run these for every term of every line.

namespace {

const ravlo::Bunsuu64 kA{1, 2, 35, 12};
const ravlo::Bunsuu64 kB{-1, 1, 66, 25};

void BM_BunAdd(benchmark::State& state) {
  ravlo::NullSink sink;
  for (auto _ : state) benchmark::DoNotOptimize(ravlo::BunAdd(kA, kB, sink));
}
BENCHMARK(BM_BunAdd);

void BM_BunMul(benchmark::State& state) {
  ravlo::NullSink sink;
  for (auto _ : state) benchmark::DoNotOptimize(ravlo::BunMul(kA, kB, sink));
}
BENCHMARK(BM_BunMul);

void BM_StrToBunMixed(benchmark::State& state) {
  ravlo::NullSink sink;
  ravlo::NumberText nt(sink);
  for (auto _ : state) benchmark::DoNotOptimize(nt.StrToBun("(m12k35b17)"));
}
BENCHMARK(BM_StrToBunMixed);

void BM_StrToBunRepeatingDecimal(benchmark::State& state) {
  ravlo::NullSink sink;
  ravlo::NumberText nt(sink);
  for (auto _ : state) benchmark::DoNotOptimize(nt.StrToBun("m3.14@159"));
}
BENCHMARK(BM_StrToBunRepeatingDecimal);

void BM_BunToStr(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ravlo::BunToStr(kB, true));
}
BENCHMARK(BM_BunToStr);

void BM_BunToSyoStr(benchmark::State& state) {
  ravlo::NullSink sink;
  ravlo::NumberText nt(sink);
  for (auto _ : state) benchmark::DoNotOptimize(nt.BunToSyoStr(kA));
}
BENCHMARK(BM_BunToSyoStr);

}  // namespace
