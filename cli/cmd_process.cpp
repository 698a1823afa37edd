// ravlo-cli process: the worked solution of a question, as the calculation screen builds it.
#include <optional>
#include <string>

#include "app/model/calc_settings.h"
#include "app/model/settings_file.h"
#include "cli/commands.h"
#include "core/stream_sink.h"
#include "process/process_engine.h"

namespace ravlo::cli {

namespace {

constexpr std::string_view kProcessUsage =
    "process [--betsukai 0|1] [--proclastans 0|1] [--henkan-yakubun 0|1] [--ini FILE] EXPR";

struct ProcessCliOptions {
  int betsukai = 0;
  ProcessOptions process;
};

// "TYPE<TAB>PROCTEXT", "0<TAB>" when the question has no process, "n" when the engine
// stopped on an error it has reported.
bool processOne(const std::string& text, const ProcessCliOptions& opt, CliIo& io,
                MessageSink& sink) {
  ProcessContext ctx;
  ctx.options = opt.process;
  ctx.BetsukaiMode = opt.betsukai;
  ProcessEngine engine(ctx, sink);
  if (engine.CalcProcMake(text, true) == 1) {
    io.out << ctx.ProcType << '\t' << ctx.ProcText << '\n';
    return true;
  }
  if (!ctx.ProcOK) {
    io.out << "n\n";
    return false;
  }
  io.out << "0\t\n";
  return true;
}

}  // namespace

int runProcess(const Args& args, CliIo& io) {
  std::optional<int> betsukai, procLastAns, henkanYakubun;
  std::optional<std::string> iniFile, expr;
  struct Flag {
    std::string_view name;
    std::optional<int>* target;
  };
  const Flag flags[] = {
      {"--betsukai", &betsukai},
      {"--proclastans", &procLastAns},
      {"--henkan-yakubun", &henkanYakubun},
  };
  const SplitArgs split = splitArgs(args);
  if (!split.problem.empty()) return usageError(io, kProcessUsage, split.problem);
  if (split.operands.size() > 1) return usageError(io, kProcessUsage, "only one EXPR is allowed");
  if (!split.operands.empty()) expr = split.operands.front();
  for (const CliOption& option : split.options) {
    if (option.name == "--ini") {
      iniFile = option.value;
      continue;
    }
    const Flag* flag = nullptr;
    for (const Flag& f : flags)
      if (option.name == f.name) flag = &f;
    if (!flag) return usageError(io, kProcessUsage, "unknown option '" + option.name + "'");
    int v = 0;
    if (!parseIntOption(option.value, 0, 1, v))
      return usageError(io, kProcessUsage, option.name + " needs 0 or 1");
    *flag->target = v;
  }
  if (!expr) return usageError(io, kProcessUsage, "missing EXPR");

  StreamSink sink(io.err);
  CalcSettings settings;
  if (iniFile) {
    const SettingsLoadReport report = SettingsLoad(settings, *iniFile, sink);
    if (report.state != SettingsFileState::Read)
      return usageError(io, kProcessUsage, "cannot read the settings file '" + *iniFile + "'");
  }
  ProcessCliOptions opt;
  opt.process.PROCLASTANS = settings.PROCLASTANS ? 1 : 0;
  opt.process.PROCTEIDO = settings.PROCTEIDO ? 1 : 0;
  opt.process.ADVICEDSP = settings.ADVICEDSP ? 1 : 0;
  if (betsukai) opt.betsukai = *betsukai;
  if (procLastAns) opt.process.PROCLASTANS = *procLastAns;
  if (henkanYakubun) opt.process.HENKAN_YAKUBUN = *henkanYakubun;

  if (*expr != "-") return processOne(*expr, opt, io, sink) ? kOk : kFailed;

  forEachInputLine(io.in, [&](const std::string& line) { processOne(line, opt, io, sink); });
  io.out.flush();
  return io.in.bad() ? kFailed : kOk;
}

}  // namespace ravlo::cli
