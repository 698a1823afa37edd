#include <benchmark/benchmark.h>

#include "core/message_sink.h"

// Long work polls the interrupt flag between steps; the poll must cost next to nothing.
static void BM_InterruptPoll(benchmark::State& state) {
  ravlo::NullSink sink;
  ravlo::MessageSink& s = sink;
  for (auto _ : state) benchmark::DoNotOptimize(s.interruptRequested());
}
BENCHMARK(BM_InterruptPoll);
