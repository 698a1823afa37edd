#include <benchmark/benchmark.h>

#include <string>

#include "core/bunsuu_h.h"
#include "core/message_sink.h"
#include "core/number_text.h"
#include "expr/bracket_tidy.h"
#include "expr/evaluator.h"
#include "expr/inp_check_state.h"

namespace {

// 200 characters: brackets, powers, mixed numbers, a repeating decimal, expression fractions,
// a permutation and a factorial.
const std::string kLongQuestion =
    "(3b2+1k4b1)^2*[(1+2)B(2^3-1)]-(5-2k3b1)/(1+1b2)^2+[2K(3+4)B(5*6-7)]*(2.5+0.@3)^2-"
    "(7b3-(1+3b4)^2)*[(2+3)^2B(4-1)*2]+3^3/(1+2)^2-(1k2b1+2k3b1)*(4b3-1)^2+"
    "[(6-1)^2B(2+3)*3]/(2b1+3b1)^3+(2^10-5P2)/4!-1k2b1";

struct Engine {
  ravlo::NullSink sink;
  ravlo::NumberText numberText{sink};
  ravlo::BunsuuHContext bunsuuH;
  ravlo::InpCheckState checker;
  ravlo::KakkoContext kakko;
  ravlo::Evaluator ev{sink, numberText, bunsuuH, checker, kakko};
};

void runQuestion(benchmark::State& state, const std::string& question, int ansForms) {
  Engine e;
  e.ev.SikiCalc(question, ansForms, 1);
  if (e.ev.CalcStatus != ravlo::kCalcOk) {
    state.SkipWithError("the question does not compute");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(e.ev.SikiCalc(question, ansForms, 1));
  state.SetLabel(std::to_string(question.size()) + " chars");
}

void BM_SikiCalcLongQuestion(benchmark::State& state) {
  runQuestion(state, kLongQuestion, 6);
}
BENCHMARK(BM_SikiCalcLongQuestion)->Unit(benchmark::kMicrosecond);

void BM_SikiCalcShortQuestion(benchmark::State& state) { runQuestion(state, "3b1+2", 6); }
BENCHMARK(BM_SikiCalcShortQuestion)->Unit(benchmark::kMicrosecond);

}  // namespace
