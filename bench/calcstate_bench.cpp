#include <benchmark/benchmark.h>

#include <string>

#include "app/model/calc_settings.h"
#include "app/model/calc_state.h"
#include "core/message_sink.h"

namespace {

// A 200-token line of fractions, mixed numbers, decimals and brackets (no "=").
std::string line200() {
  const std::string piece = "(3b2+1k4b3)*2.5-0.1@6/[2K3B1]+";  // 30 tokens
  std::string s;
  while (s.size() + piece.size() <= 198) s += piece;
  s += "22";
  while (s.size() + 2 <= 200) s += "+2";
  return s;
}

struct Screen {
  ravlo::CalcSettings settings;
  ravlo::NullSink sink;
  ravlo::CalcState state{settings, sink};
  Screen() { state.MainFormCreate(ravlo::FontMetrics{100, 19}, 96); }
};

// Typing the whole line token by token, then clearing.
void BM_TypeLine200(benchmark::State& bs) {
  const std::string text = line200();
  Screen screen;
  for (auto _ : bs) {
    screen.state.SikiClear();
    screen.state.JiInputText(text);
    if (screen.state.InpSiki.size() != text.size()) {
      bs.SkipWithError("the benchmark line was refused");
      return;
    }
  }
  bs.SetItemsProcessed(static_cast<int64_t>(bs.iterations()) *
                       static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_TypeLine200);

// One backspace on the 200-token line: clear and re-enter the 199 tokens before it.
void BM_BackSpaceOnLine200(benchmark::State& bs) {
  const std::string text = line200();
  Screen screen;
  screen.state.SikiClear();
  screen.state.JiInputText(text);
  for (auto _ : bs) {
    screen.state.SikiBackSpace();
    bs.PauseTiming();
    screen.state.JiInput(text.back());
    bs.ResumeTiming();
  }
  if (screen.state.InpSiki != text) bs.SkipWithError("the line did not come back");
}
BENCHMARK(BM_BackSpaceOnLine200);

// A refused key on the full line: the commonest keystroke of a learner who is stuck.
void BM_RefusedKeyOnLine200(benchmark::State& bs) {
  const std::string text = line200();
  Screen screen;
  screen.state.SikiClear();
  screen.state.JiInputText(text);
  for (auto _ : bs) benchmark::DoNotOptimize(screen.state.InpKeySyori(ravlo::vk::Multiply, {}));
}
BENCHMARK(BM_RefusedKeyOnLine200);

// "=" on the 200-token line (the answer chain), then restore for the next round.
void BM_EqualOnLine200(benchmark::State& bs) {
  const std::string text = line200();
  Screen screen;
  for (auto _ : bs) {
    bs.PauseTiming();
    screen.state.SikiClear();
    screen.state.JiInputText(text);
    bs.ResumeTiming();
    benchmark::DoNotOptimize(screen.state.JiInput('='));
  }
  if (screen.state.InpAccept) bs.SkipWithError("the line was not computed");
}
BENCHMARK(BM_EqualOnLine200);

}  // namespace
