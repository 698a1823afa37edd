// ravlo-cli process: the worked solution of a question, as the calculation screen builds it.
#include <optional>
#include <string>

#include "cli/commands.h"
#include "core/stream_sink.h"
#include "process/process_engine.h"

namespace ravlo::cli {

namespace {

constexpr std::string_view kProcessUsage =
    "process [--betsukai 0|1] [--proclastans 0|1] [--henkan-yakubun 0|1] EXPR";

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
  ProcessCliOptions opt;
  struct Flag {
    std::string_view name;
    int* target;
  };
  const Flag flags[] = {
      {"--betsukai", &opt.betsukai},
      {"--proclastans", &opt.process.PROCLASTANS},
      {"--henkan-yakubun", &opt.process.HENKAN_YAKUBUN},
  };
  std::optional<std::string> expr;
  bool optionsDone = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (!optionsDone && a == "--") {
      optionsDone = true;
      continue;
    }
    if (!optionsDone && a.rfind("--", 0) == 0) {
      const Flag* flag = nullptr;
      std::string value;
      for (const Flag& f : flags) {
        if (a == f.name) {
          if (i + 1 >= args.size())
            return usageError(io, kProcessUsage, std::string(f.name) + " needs 0 or 1");
          value = args[++i];
          flag = &f;
        } else if (a.rfind(std::string(f.name) + "=", 0) == 0) {
          value = a.substr(f.name.size() + 1);
          flag = &f;
        }
        if (flag) break;
      }
      if (!flag) return usageError(io, kProcessUsage, "unknown option '" + a + "'");
      if (!parseIntOption(value, 0, 1, *flag->target))
        return usageError(io, kProcessUsage, std::string(flag->name) + " needs 0 or 1");
      continue;
    }
    if (expr) return usageError(io, kProcessUsage, "only one EXPR is allowed");
    expr = a;
  }
  if (!expr) return usageError(io, kProcessUsage, "missing EXPR");

  StreamSink sink(io.err);
  if (*expr != "-") return processOne(*expr, opt, io, sink) ? kOk : kFailed;

  forEachInputLine(io.in, [&](const std::string& line) { processOne(line, opt, io, sink); });
  io.out.flush();
  return io.in.bad() ? kFailed : kOk;
}

}  // namespace ravlo::cli
