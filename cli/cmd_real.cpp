// ravlo-cli real: what the real-number calculator of the constants box puts into its input
// field.
#include <string>

#include "cli/commands.h"
#include "core/stream_sink.h"
#include "tools/model/real_calc.h"

namespace ravlo::cli {
namespace {

constexpr std::string_view kRealUsage =
    "real sqrt|log10|ln|inv|pow|sin|cos|tan|asin|acos|atan|gcd|lcm ARGS|-  (two arguments as A,N)";

// The field's text, or "" when the calculator refused (its message is on the sink).
std::string fieldAfter(RealFunc f, std::string_view args, MessageSink& sink) {
  const RealCalcResult r = RealCalc(f, args, sink);
  return r.status == RealCalcResult::Status::Done ? r.field : std::string();
}

}  // namespace

int runReal(const Args& args, CliIo& io) {
  if (args.size() != 2) {
    return usageError(io, kRealUsage, args.size() < 2 ? "missing FUNC or ARGS" : "too many arguments");
  }
  const std::optional<RealFunc> f = realFuncByCliName(args[0]);
  if (!f) return usageError(io, kRealUsage, "unknown function " + args[0]);
  StreamSink sink(io.err);
  if (args[1] == "-") {
    forEachInputLine(io.in, [&](const std::string& line) {
      const std::string field = fieldAfter(*f, line, sink);
      io.out << (field.empty() ? "n" : field) << '\n';
    });
    return kOk;
  }
  if (args[1].empty()) return usageError(io, kRealUsage, "empty ARGS");
  const std::string field = fieldAfter(*f, args[1], sink);
  if (field.empty()) return kFailed;
  io.out << field << '\n';
  return kOk;
}

}  // namespace ravlo::cli
