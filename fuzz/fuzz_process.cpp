// The worked solutions: with either solution way and either final form, every line of a
// process has the value of the question and none holds the failure text; the conversion
// commands keep the value of the number they convert.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/number_theory.h"
#include "core/text_helpers.h"
#include "fuzz/fuzz_support.h"
#include "process/conversion_command.h"
#include "process/process_engine.h"

namespace ravlo::fuzz {
namespace {

bool isTag(char c) { return c == 'X' || c == 'Y' || c == 'Z' || c == 'A'; }

// The expressions of a raw or tidy process text: what stands between "~" tags and "=" signs.
std::vector<std::string> members(std::string_view text) {
  std::vector<std::string> out;
  std::string cur;
  auto flush = [&] {
    if (!cur.empty()) out.push_back(cur);
    cur.clear();
  };
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == '~') {
      flush();
      ++i;
      if (i + 4 <= text.size() && isTag(text[i + 3])) i += 4;
      continue;
    }
    if (i == 0 && text.size() >= 4 && isTag(text[3])) {
      i = 4;
      continue;
    }
    if (text[i] == '=') {
      flush();
    } else {
      cur += text[i];
    }
    ++i;
  }
  flush();
  return out;
}

// Every member that has a value has `truth`; with no truth given, the first value found.
void expectOneValue(std::string_view input, std::string_view text, std::optional<Exact> truth) {
  Calculator calc;
  for (const std::string& m : members(text)) {
    // A cut decimal or a quotient with remainder only approximates the value.
    if (m.find_first_of("uR&") != std::string::npos) continue;
    Exact v;
    if (!calc.value(m, v)) continue;
    if (!truth) truth = v;
    require(v == *truth, "a line with another value", input,
            std::string(text) + ": " + m + " is " + exactText(v) + ", not " + exactText(*truth));
  }
}

void workedSolution(std::string_view q, int betsukai, int lastAns) {
  CountingSink sink;
  ProcessContext ctx;
  ctx.BetsukaiMode = betsukai;
  ctx.options.PROCDSP = 1;
  ctx.options.PROCLASTANS = lastAns;
  ProcessEngine engine(ctx, sink);
  const int built = engine.CalcProcMake(q, true);
  if (built == 0) {
    require(ctx.ProcText.empty(), "a declined process left its text", q, ctx.ProcText);
    if (!ctx.ProcOK) require(sink.boxes > 0, "a failed process said nothing", q);
    return;
  }
  require(ctx.ProcText.find(kFailText) == std::string::npos, "the failure text in a step", q,
          ctx.ProcText);
  Calculator calc;
  Exact truth;
  if (!calc.value(SikiCutAns(q, false), truth)) return;
  expectOneValue(q, ctx.ProcText, truth);
}

// consistent: the line is a computed one, all of whose members have one value.
void conversions(std::string_view line, int procDsp, bool consistent) {
  for (ConversionKind kind :
       {ConversionKind::Yaku, ConversionKind::Syou, ConversionKind::Junkan, ConversionKind::Tai,
        ConversionKind::Ka, ConversionKind::JunkanOf, ConversionKind::Decimal}) {
    CountingSink sink;
    ProcessContext ctx;
    ctx.options.PROCDSP = procDsp;
    NumberTheory numberTheory(sink);
    ConversionCommands commands(ctx, sink, numberTheory);
    const ConversionResult r = commands.run(kind, line);
    if (!r.done) continue;
    const std::string_view shown = std::string_view(r.line).substr(0, r.line.find('&'));
    if (line.find(kFailText) == std::string_view::npos)
      require(shown.find(kFailText) == std::string::npos, "the failure text in a converted line",
              line, r.line);
    if (consistent) expectOneValue(line, shown, std::nullopt);
    if (r.processBuilt) {
      if (line.find(kFailText) == std::string_view::npos)
        require(ctx.ProcText.find(kFailText) == std::string::npos,
                "the failure text in a conversion step", line, ctx.ProcText);
      // Its lines include those of the line it converts.
      if (consistent) expectOneValue(line, ctx.ProcText, std::nullopt);
    }
    // The places of a repeating decimal stay within what the screen shows.
    if (kind == ConversionKind::JunkanOf) {
      const std::string_view last = std::string_view(r.line).substr(r.line.rfind('=') + 1);
      const std::size_t dot = last.find('.');
      require(dot != std::string_view::npos && last.size() - dot - 1 <= 19,
              "a repeating decimal past 18 places", line, r.line);
    }
  }
}

}  // namespace
}  // namespace ravlo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ravlo::fuzz::SlowGuard slow(ravlo::fuzz::asText(data, size));
  using namespace ravlo::fuzz;
  const std::string_view text = asText(data, size);
  for (int betsukai : {0, 1}) workedSolution(text, betsukai, static_cast<int>(size % 2));
  conversions(text, static_cast<int>(size % 2), false);
  // The commands work on computed lines too.
  Calculator calc;
  const std::string computed = calc.ev.SikiCalc(text, static_cast<int>(size % 3), 1);
  if (calc.ev.CalcStatus == ravlo::kCalcOk) conversions(computed, static_cast<int>(size % 2), true);
  return 0;
}
