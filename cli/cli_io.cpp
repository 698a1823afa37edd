#include "cli/cli_io.h"

#include <algorithm>
#include <charconv>

namespace ravlo::cli {

int usageError(CliIo& io, std::string_view usage, std::string_view problem) {
  if (!problem.empty()) io.err << "ravlo-cli: " << problem << '\n';
  io.err << "usage: ravlo-cli " << usage << '\n';
  return kUsage;
}

SplitArgs splitArgs(const Args& args, std::initializer_list<std::string_view> switches) {
  SplitArgs out;
  bool optionsDone = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (!optionsDone && a == "--") {
      optionsDone = true;
      continue;
    }
    if (optionsDone || a.rfind("--", 0) != 0) {
      out.operands.push_back(a);
      continue;
    }
    const std::size_t eq = a.find('=');
    CliOption option{a.substr(0, eq), {}};
    const bool isSwitch =
        std::find(switches.begin(), switches.end(), std::string_view(option.name)) != switches.end();
    if (eq != std::string::npos) {
      option.value = a.substr(eq + 1);
    } else if (!isSwitch) {
      if (i + 1 == args.size()) {
        out.problem = option.name + " needs a value";
        return out;
      }
      option.value = args[++i];
    }
    out.options.push_back(std::move(option));
  }
  return out;
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
