// ravlo-cli factor: prime factorization and the divisor sum, as the calculation screen's
// prime-factorization command writes them.
#include <string>

#include "cli/commands.h"
#include "core/number_theory.h"
#include "core/stream_sink.h"

namespace ravlo::cli {
namespace {

constexpr std::string_view kFactorUsage = "factor [--wa-type 0|1] [--1gyou-suu N] N|-";

struct FactorLines {
  std::string factors;
  std::string divisors;  // "n" when the divisor sum failed
};

// Empty factors when the factorization failed.
FactorLines factorLines(NumberTheory& nt, std::string_view number, int waType, int perLine) {
  const std::string factors = nt.SoinsuuBunkai(number);
  if (factors == "n") return {};
  return {factors, nt.YakusuuWa(factors, waType, perLine)};
}

}  // namespace

int runFactor(const Args& args, CliIo& io) {
  int waType = 0, perLine = 10;  // the settings' defaults
  std::string number;
  bool haveNumber = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--wa-type" || a == "--1gyou-suu") {
      if (i + 1 == args.size()) return usageError(io, kFactorUsage, a + " needs a value");
      const bool ok = a == "--wa-type" ? parseIntOption(args[++i], 0, 1, waType)
                                       : parseIntOption(args[++i], 1, 1000, perLine);
      if (!ok) return usageError(io, kFactorUsage, "bad value for " + a);
    } else if (a.starts_with("--")) {
      return usageError(io, kFactorUsage, "unknown option " + a);
    } else if (haveNumber) {
      return usageError(io, kFactorUsage, "one number only");
    } else {
      number = a;
      haveNumber = true;
    }
  }
  if (!haveNumber) return usageError(io, kFactorUsage, "missing number");

  StreamSink sink(io.err);
  NumberTheory nt(sink);
  if (number == "-") {
    // One line each: the factorization, a tab, the divisor sum.
    forEachInputLine(io.in, [&](const std::string& line) {
      const FactorLines r = factorLines(nt, line, waType, perLine);
      if (r.factors.empty() || r.divisors == "n")
        io.out << "n\n";
      else
        io.out << r.factors << '\t' << r.divisors << '\n';
    });
    return io.in.bad() ? kFailed : kOk;
  }
  const FactorLines r = factorLines(nt, number, waType, perLine);
  if (r.factors.empty()) {
    io.out << "n\n";
    return kFailed;
  }
  io.out << r.factors << '\n' << r.divisors << '\n';
  return r.divisors == "n" ? kFailed : kOk;
}

}  // namespace ravlo::cli
