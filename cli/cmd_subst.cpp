// ravlo-cli subst: a literal expression with values put in for x, y and z, as the substitution
// box builds it, so that one problem can be turned into many by a script.
#include <optional>
#include <string>

#include "cli/commands.h"
#include "core/stream_sink.h"
#include "core/text_helpers.h"
#include "tools/model/dainyuu_siki.h"
#include "tools/model/pai_check.h"

namespace ravlo::cli {

namespace {

constexpr std::string_view kSubstUsage = "subst EXPR x=V [y=V] [z=V]";

}  // namespace

int runSubst(const Args& args, CliIo& io) {
  const SplitArgs split = splitArgs(args);
  if (!split.problem.empty()) return usageError(io, kSubstUsage, split.problem);
  if (!split.options.empty()) {
    return usageError(io, kSubstUsage, "unknown option '" + split.options.front().name + "'");
  }
  if (split.operands.empty()) return usageError(io, kSubstUsage, "missing EXPR");
  if (split.operands.size() == 1) return usageError(io, kSubstUsage, "missing x=V");

  DainyuuValues values;
  bool given[3] = {false, false, false};
  for (std::size_t i = 1; i < split.operands.size(); ++i) {
    const std::string& a = split.operands[i];
    const bool named = a.size() >= 2 && a[1] == '=' && (a[0] == 'x' || a[0] == 'y' || a[0] == 'z');
    if (!named) return usageError(io, kSubstUsage, "'" + a + "' is not x=V, y=V or z=V");
    const int n = a[0] - 'x';
    if (given[n]) return usageError(io, kSubstUsage, std::string(1, a[0]) + " is given twice");
    given[n] = true;
    std::string& value = n == 0 ? values.x : n == 1 ? values.y : values.z;
    value = a.substr(2);
  }

  StreamSink sink(io.err);
  const std::string& expr = split.operands.front();
  if (expr != "-") {
    const std::optional<std::string> line = DainyuuSiki(expr, values, kPaiDefault, sink);
    if (!line) return kFailed;
    io.out << *line << '\n';
    return kOk;
  }
  forEachInputLine(io.in, [&](const std::string& text) {
    const std::optional<std::string> line = DainyuuSiki(text, values, kPaiDefault, sink);
    io.out << (line ? *line : std::string(kFailText)) << '\n';
  });
  io.out.flush();
  return io.in.bad() ? kFailed : kOk;
}

}  // namespace ravlo::cli
