#include <benchmark/benchmark.h>

#include <string>

#include "core/bunsuu_h.h"
#include "core/message_sink.h"
#include "core/number_text.h"
#include "expr/bracket_tidy.h"
#include "expr/evaluator.h"
#include "expr/houtei_solver.h"
#include "expr/inp_check_state.h"

namespace {

struct SolverEngine {
  ravlo::NullSink sink;
  ravlo::NumberText numberText{sink};
  ravlo::BunsuuHContext bunsuuH;
  ravlo::InpCheckState checker;
  ravlo::KakkoContext kakko;
  ravlo::Evaluator ev{sink, numberText, bunsuuH, checker, kakko};
  ravlo::HouteiSolver solver{sink, ev, numberText, bunsuuH};
};

void solve(benchmark::State& state, const char* question) {
  SolverEngine e;
  if (e.solver.HouteiSolve(question, 1) == "n") {
    state.SkipWithError("the question is refused");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(e.solver.HouteiSolve(question, 1));
  state.SetLabel(question);
}

// What a learner types: a two-step equation, an inequality with x on both sides, brackets
// with fractions, a proportion, an expression fraction and a longer mixed question.
BENCHMARK_CAPTURE(solve, two_step, "2x+3=7");
BENCHMARK_CAPTURE(solve, inequality, "3x-5<x+1");
BENCHMARK_CAPTURE(solve, brackets, "3b2(x-1k2b1)+0.5x=2(x+3)-1");
BENCHMARK_CAPTURE(solve, proportion, "x:3b4=6:0.5");
BENCHMARK_CAPTURE(solve, expression_fraction, "[3Bx+1]-[2B2x-1]>=1");
BENCHMARK_CAPTURE(solve, long_question,
                  "2(3(x+1)-4(2x-1b3))+0.@3(6x-9)=5-(x-2)/4+[5B3x+2]-1.25(x+(1+1)^2)");

}  // namespace
