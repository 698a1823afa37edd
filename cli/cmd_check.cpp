// ravlo-cli check: runs the input checker over whole expressions.
#include <optional>
#include <string>

#include "cli/commands.h"
#include "core/stream_sink.h"
#include "expr/inp_check.h"
#include "expr/inp_check_msg.h"

namespace ravlo::cli {

namespace {

constexpr std::string_view kCheckUsage = "check [--kakeru-abr 0|1] EXPR";
constexpr std::string_view kKakeruOption = "--kakeru-abr";

// "0" when the text is accepted, else "POSITION<TAB>MESSAGE". Each text is checked as a
// new line would be, with nothing left over from the one before.
bool checkOne(std::string_view text, bool kakeruAbr, CliIo& io, MessageSink& sink) {
  InpCheckState st;
  const std::size_t pos = SikiCheck(st, text, false, false, kakeruAbr, false, sink);
  if (pos == 0) {
    io.out << "0\n";
    return true;
  }
  io.out << pos << '\t' << inpCheckMessage(st.InpErrNo) << '\n';
  return false;
}

}  // namespace

int runCheck(const Args& args, CliIo& io) {
  bool kakeruAbr = false;
  std::optional<std::string> expr;
  const SplitArgs split = splitArgs(args);
  if (!split.problem.empty()) return usageError(io, kCheckUsage, split.problem);
  if (split.operands.size() > 1) return usageError(io, kCheckUsage, "only one EXPR is allowed");
  if (!split.operands.empty()) expr = split.operands.front();
  for (const CliOption& option : split.options) {
    if (option.name != kKakeruOption) {
      return usageError(io, kCheckUsage, "unknown option '" + option.name + "'");
    }
    int v = 0;
    if (!parseIntOption(option.value, 0, 1, v))
      return usageError(io, kCheckUsage, "--kakeru-abr needs 0 or 1");
    kakeruAbr = v == 1;
  }
  if (!expr) return usageError(io, kCheckUsage, "missing EXPR");

  StreamSink sink(io.err);
  if (*expr != "-") return checkOne(*expr, kakeruAbr, io, sink) ? kOk : kFailed;

  forEachInputLine(io.in, [&](const std::string& line) { checkOne(line, kakeruAbr, io, sink); });
  io.out.flush();
  return io.in.bad() ? kFailed : kOk;
}

}  // namespace ravlo::cli
