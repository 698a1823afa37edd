#include "cli/cli_io.h"

#include <charconv>

namespace ravlo::cli {

int usageError(CliIo& io, std::string_view usage, std::string_view problem) {
  if (!problem.empty()) io.err << "ravlo-cli: " << problem << '\n';
  io.err << "usage: ravlo-cli " << usage << '\n';
  return kUsage;
}

bool parseIntOption(std::string_view text, int lo, int hi, int& value) {
  int v = 0;
  const char* end = text.data() + text.size();
  auto [p, ec] = std::from_chars(text.data(), end, v);
  if (ec != std::errc() || p != end || v < lo || v > hi) return false;
  value = v;
  return true;
}

}  // namespace ravlo::cli
