#include <benchmark/benchmark.h>

#include <string>

#include "core/message_sink.h"
#include "expr/inp_check.h"

namespace {

// A 200-character line that visits most of the checker's states: brackets, fractions,
// mixed numbers, decimals, repeating decimals, powers, factorials and expression fractions.
std::string longExpression() {
  const std::string piece = "(3b2+1k4b3)*2.5-0.1@6/[2K3B1]+5!^2-5P2*(m7)+";  // 44 chars
  std::string s;
  while (s.size() + piece.size() < 199) s += piece;
  // Pad with "2+2+...2" so the line ends in a digit before its "=".
  while (s.size() < 199) s += (s.back() == '+') ? '2' : '+';
  return s + "=";
}

void BM_SikiCheck200(benchmark::State& state) {
  const std::string text = longExpression();
  ravlo::NullSink sink;
  ravlo::InpCheckState st;
  if (text.size() != 200 || ravlo::SikiCheck(st, text, false, true, false, false, sink) != 0) {
    state.SkipWithError("the benchmark line is not a valid 200-character expression");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(ravlo::SikiCheck(st, text, false, true, false, false, sink));
    benchmark::DoNotOptimize(st.checkedText.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_SikiCheck200);

}  // namespace
