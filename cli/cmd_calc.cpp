// ravlo-cli calc: computes a question as the notebook's compute does, without the answer
// column: the answer chain, the simplified ratio, or the quotient with remainder.
#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "app/model/calc_settings.h"
#include "app/model/settings_file.h"
#include "cli/calc_solve.h"
#include "cli/commands.h"
#include "core/bunsuu_h.h"
#include "core/number_text.h"
#include "core/stream_sink.h"
#include "core/text_helpers.h"
#include "expr/answer_forms.h"
#include "expr/bracket_tidy.h"
#include "expr/evaluator.h"
#include "expr/inp_check.h"
#include "expr/inp_check_state.h"
#include "expr/wari_amari.h"

namespace ravlo::cli {

namespace {

constexpr std::string_view kCalcUsage =
    "calc [--anssyu 0|1|2] [--syoudsp 0|1] [--wari-type 0|1] [--wari-pnt N] [--ini FILE] EXPR";

// The engine's modules for one run; each line starts a new expression on them.
struct CalcEngine {
  explicit CalcEngine(MessageSink& s) : sink(s) {}
  MessageSink& sink;
  NumberText numberText{sink};
  BunsuuHContext bunsuuH;
  InpCheckState checker;
  KakkoContext kakko;
  Evaluator ev{sink, numberText, bunsuuH, checker, kakko};
};

// The computed line, or nothing when the question could not be computed (its message has
// been written to standard error).
std::optional<std::string> computeLine(std::string_view text, const AnswerOptions& options,
                                       CalcEngine& engine, CliIo&) {
  if (text.find('x') != std::string_view::npos) {
    return solveLine(text, options.ANSSYU, engine.sink, engine.ev, engine.numberText,
                     engine.bunsuuH);
  }
  // Checked as a typed line would be; the checked text has its signs in stored form.
  engine.checker.resetForNewLine();
  if (SikiCheck(engine.checker, text, true, true, true, true, engine.sink) != 0) {
    return std::nullopt;
  }
  const std::string q = SikiCutAns(engine.checker.checkedText, false);

  if (options.WARI_TYPE == 1) {
    const std::string t = WariAmari(q, options.WARI_PNT);
    if (t != kFailText) return q + "=" + t;
  }
  if (q.find(':') != std::string::npos) {
    const std::string ratio = engine.ev.HiKantan(q, 1);
    if (ratio == kFailText) return std::nullopt;
    return ratio;
  }
  const std::string line = engine.ev.SikiCalc(q, options.ansForms(), 1);
  if (engine.ev.CalcStatus < 0) return std::nullopt;
  return line;
}

struct IntOption {
  std::string_view name;
  int lo, hi;
  std::optional<int>* value;
};

}  // namespace

int runCalc(const Args& args, CliIo& io) {
  std::optional<int> anssyu, syoudsp, wariType, wariPnt;
  std::optional<std::string> iniFile, expr;
  const IntOption intOptions[] = {{"--anssyu", 0, 2, &anssyu},
                                  {"--syoudsp", 0, 1, &syoudsp},
                                  {"--wari-type", 0, 1, &wariType},
                                  {"--wari-pnt", 0, 30, &wariPnt}};

  const SplitArgs split = splitArgs(args);
  if (!split.problem.empty()) return usageError(io, kCalcUsage, split.problem);
  if (split.operands.size() > 1) return usageError(io, kCalcUsage, "only one EXPR is allowed");
  if (!split.operands.empty()) expr = split.operands.front();
  for (const CliOption& option : split.options) {
    if (option.name == "--ini") {
      iniFile = option.value;
      continue;
    }
    const auto* o = std::find_if(std::begin(intOptions), std::end(intOptions),
                                 [&](const IntOption& candidate) { return option.name == candidate.name; });
    if (o == std::end(intOptions)) {
      return usageError(io, kCalcUsage, "unknown option '" + option.name + "'");
    }
    int v = 0;
    if (!parseIntOption(option.value, o->lo, o->hi, v)) {
      return usageError(io, kCalcUsage,
                        option.name + " needs a whole number from " + std::to_string(o->lo) +
                            " to " + std::to_string(o->hi));
    }
    *o->value = v;
  }
  if (!expr) return usageError(io, kCalcUsage, "missing EXPR");

  StreamSink sink(io.err);
  CalcSettings settings;
  if (iniFile) {
    const SettingsLoadReport report = SettingsLoad(settings, *iniFile, sink);
    if (report.state != SettingsFileState::Read) {
      return usageError(io, kCalcUsage, "cannot read the settings file '" + *iniFile + "'");
    }
  }
  AnswerOptions options{settings.ANSSYU, settings.SYOUDSP, settings.WARI_TYPE,
                        settings.WARI_PNT};
  if (anssyu) options.ANSSYU = *anssyu;
  if (syoudsp) options.SYOUDSP = *syoudsp;
  if (wariType) options.WARI_TYPE = *wariType;
  if (wariPnt) options.WARI_PNT = *wariPnt;

  CalcEngine engine(sink);
  if (*expr != "-") {
    const auto line = computeLine(*expr, options, engine, io);
    if (!line) return kFailed;
    io.out << *line << '\n';
    return kOk;
  }
  forEachInputLine(io.in, [&](const std::string& text) {
    const auto line = computeLine(text, options, engine, io);
    io.out << (line ? *line : std::string(kFailText)) << '\n';
  });
  io.out.flush();
  return io.in.bad() ? kFailed : kOk;
}

}  // namespace ravlo::cli
