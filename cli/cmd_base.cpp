// ravlo-cli base: the base-n conversion line of base-n mode ("255>(16" -> "255(10)=FF(16)").
#include <string>

#include "cli/commands.h"
#include "core/base_n_line.h"
#include "core/stream_sink.h"

namespace ravlo::cli {
namespace {

constexpr std::string_view kBaseUsage = "base TEXT|-   (TEXT: 255>(16, 11(2 or 12(3>5)";

}  // namespace

int runBase(const Args& args, CliIo& io) {
  if (args.empty()) return usageError(io, kBaseUsage, "missing text");
  if (args.size() > 1) return usageError(io, kBaseUsage, "one text only");
  if (args[0].starts_with("--")) return usageError(io, kBaseUsage, "unknown option " + args[0]);

  StreamSink sink(io.err);
  auto convert = [&](std::string_view text) {
    NsinLine r = NsinHenkanLine(text, sink);
    return r.outcome == NsinLine::Outcome::Converted ? r.line : std::string("n");
  };
  if (args[0] == "-") {
    forEachInputLine(io.in, [&](const std::string& line) { io.out << convert(line) << '\n'; });
    return io.in.bad() ? kFailed : kOk;
  }
  const std::string line = convert(args[0]);
  io.out << line << '\n';
  return line == "n" ? kFailed : kOk;
}

}  // namespace ravlo::cli
