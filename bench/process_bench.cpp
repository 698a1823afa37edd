#include <benchmark/benchmark.h>

#include "core/message_sink.h"
#include "process/process_engine.h"

// CalcProcMake runs on "=" while the process display is on: these are typical sums from
// class, each built in the usual way and in the alternative one.

namespace {

void runProcess(benchmark::State& state, const char* expr) {
  ravlo::NullSink sink;
  ravlo::ProcessContext ctx;
  ctx.BetsukaiMode = static_cast<int>(state.range(0));
  ravlo::ProcessEngine engine(ctx, sink);
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine.CalcProcMake(expr, true));
    benchmark::DoNotOptimize(ctx.ProcText.data());
  }
}

void BM_ProcessTwoFractions(benchmark::State& state) { runProcess(state, "3b1+4b1"); }
BENCHMARK(BM_ProcessTwoFractions)->Arg(0);

void BM_ProcessTwoMixedNumbers(benchmark::State& state) { runProcess(state, "1k3b1+2k4b1"); }
BENCHMARK(BM_ProcessTwoMixedNumbers)->Arg(0)->Arg(1);

void BM_ProcessIntegerMinusFraction(benchmark::State& state) { runProcess(state, "3-5b2"); }
BENCHMARK(BM_ProcessIntegerMinusFraction)->Arg(0)->Arg(1);

void BM_ProcessFourTermsWithDecimal(benchmark::State& state) {
  runProcess(state, "1k3b1-0.25+2+5b6");
}
BENCHMARK(BM_ProcessFourTermsWithDecimal)->Arg(0)->Arg(1);

void BM_ProcessBracketedNegative(benchmark::State& state) { runProcess(state, "2k3b1-(m1k4b3)"); }
BENCHMARK(BM_ProcessBracketedNegative)->Arg(0)->Arg(1);

}  // namespace
