// ravlo-cli convert: the conversion commands of the calculation screen on one line.
#include <optional>
#include <string>

#include "cli/commands.h"
#include "core/number_theory.h"
#include "core/stream_sink.h"
#include "process/conversion_command.h"
#include "process/process_context.h"

namespace ravlo::cli {

namespace {

constexpr std::string_view kConvertUsage =
    "convert [--process] yaku|syou|junkan|tai|ka|junkan-of|decimal EXPR";

// The kinds that write a worked solution.
bool hasProcess(ConversionKind kind) {
  return kind != ConversionKind::JunkanOf && kind != ConversionKind::Decimal;
}

// Without --process: the converted line. With it: "TYPE<TAB>PROCTEXT" ("0<TAB>" for a
// conversion that has no process). "n" when the command refused the line.
bool convertOne(ConversionKind kind, bool withProcess, const std::string& text, CliIo& io,
                MessageSink& sink) {
  ProcessContext ctx;
  ctx.options.PROCDSP = withProcess && hasProcess(kind) ? 1 : 0;
  NumberTheory numberTheory(sink);
  ConversionCommands commands(ctx, sink, numberTheory);
  const ConversionResult r = commands.run(kind, text);
  if (!r.done) {
    io.out << "n\n";
    return false;
  }
  if (!withProcess) io.out << r.line << '\n';
  else if (r.processBuilt) io.out << ctx.ProcType << '\t' << ctx.ProcText << '\n';
  else io.out << "0\t\n";
  return true;
}

}  // namespace

int runConvert(const Args& args, CliIo& io) {
  bool withProcess = false;
  std::optional<ConversionKind> kind;
  std::optional<std::string> expr;
  const SplitArgs split = splitArgs(args, {"--process"});
  for (const CliOption& option : split.options) {
    if (option.name != "--process" || !option.value.empty()) {
      return usageError(io, kConvertUsage, "unknown option '" + option.name + "'");
    }
    withProcess = true;
  }
  if (split.operands.size() > 2) return usageError(io, kConvertUsage, "only one EXPR is allowed");
  if (!split.operands.empty()) {
    kind = conversionKindFromName(split.operands[0]);
    if (!kind) return usageError(io, kConvertUsage, "unknown conversion '" + split.operands[0] + "'");
  }
  if (split.operands.size() == 2) expr = split.operands[1];
  if (!kind) return usageError(io, kConvertUsage, "missing conversion");
  if (!expr) return usageError(io, kConvertUsage, "missing EXPR");

  StreamSink sink(io.err);
  if (*expr != "-") return convertOne(*kind, withProcess, *expr, io, sink) ? kOk : kFailed;

  forEachInputLine(io.in, [&](const std::string& line) {
    convertOne(*kind, withProcess, line, io, sink);
  });
  io.out.flush();
  return io.in.bad() ? kFailed : kOk;
}

}  // namespace ravlo::cli
