// The generator: a class set of worksheets, 40 variants of 20 problems (target: under 50 ms).
#include <benchmark/benchmark.h>

#include "generate/sheet_generator.h"

namespace {

void runSheets(benchmark::State& state, ravlo::GenRequest rq) {
  rq.count = 20;
  rq.variants = 40;
  rq.seed = 42;
  for (auto _ : state) {
    const ravlo::GenResult r = ravlo::GenerateSheets(rq);
    benchmark::DoNotOptimize(r.sheets.data());
  }
}

void BM_Generate40SheetsGrade6(benchmark::State& state) {
  ravlo::GenRequest rq;
  rq.grade = 6;
  runSheets(state, rq);
}
BENCHMARK(BM_Generate40SheetsGrade6)->Unit(benchmark::kMillisecond);

// The pattern that throws away most draws: answers that must need reducing.
void BM_Generate40SheetsReduce(benchmark::State& state) {
  ravlo::GenRequest rq;
  rq.patterns = {"add-multiple"};
  rq.overrides.answer = ravlo::GenAnswer::Reduce;
  runSheets(state, rq);
}
BENCHMARK(BM_Generate40SheetsReduce)->Unit(benchmark::kMillisecond);

}  // namespace
