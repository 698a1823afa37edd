#include "web/engine/engine_functions.h"

#include <sstream>

#include "cli/command_table.h"
#include "core/message_sink.h"
#include "expr/inp_check.h"
#include "expr/inp_check_msg.h"

namespace ravlo {
namespace {

std::string withoutLineEnd(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

}  // namespace

CliRun runCliCommand(const std::vector<std::string>& args, std::string input) {
  std::istringstream in(std::move(input));
  std::ostringstream out;
  std::ostringstream err;
  cli::CliIo io{in, out, err};
  const int status = cli::runCli(args, io);
  return {status, out.str(), err.str()};
}

CalcLine calcLine(std::string_view expr, int anssyu, int syoudsp) {
  // "--" keeps an expression that starts with a minus from reading as an option.
  const CliRun run = runCliCommand({"calc", "--anssyu", std::to_string(anssyu), "--syoudsp",
                                    std::to_string(syoudsp), "--", std::string(expr)},
                                   {});
  return {run.status == cli::kOk, run.status == cli::kOk ? withoutLineEnd(run.out) : "",
          withoutLineEnd(run.err)};
}

CheckVerdict checkExpression(std::string_view expr) {
  // As ravlo-cli check does: a new line's checker, the whole text at once.
  InpCheckState st;
  NullSink sink;
  const std::size_t position = SikiCheck(st, expr, false, false, false, false, sink);
  if (position == 0) return {};
  return {static_cast<int>(position), std::string(inpCheckMessage(st.InpErrNo))};
}

}  // namespace ravlo
