#pragma once
// What every ravlo-cli command gets: its arguments and the three streams.
#include <initializer_list>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace ravlo::cli {

enum ExitCode : int { kOk = 0, kFailed = 1, kUsage = 2 };

struct CliIo {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

using Args = std::vector<std::string>;

// Prints "usage: ravlo-cli <usage>" to err and gives the usage exit code.
int usageError(CliIo& io, std::string_view usage, std::string_view problem = {});

// Reads standard input line by line (a trailing CR dropped) and calls fn on each line.
template <typename Fn>
void forEachInputLine(std::istream& in, Fn fn) {
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    fn(line);
  }
}

// The arguments of a command, options apart from operands: "--name value" or "--name=value"
// ("--" ends the options; a name listed in `switches` takes no value).
struct CliOption {
  std::string name;
  std::string value;
};
struct SplitArgs {
  std::vector<CliOption> options;
  std::vector<std::string> operands;
  std::string problem;  // not empty: the arguments cannot be read (an option lacks its value)
};
SplitArgs splitArgs(const Args& args, std::initializer_list<std::string_view> switches = {});

// Reads an integer option value; false when the text is not a whole number in [lo, hi].
bool parseIntOption(std::string_view text, int lo, int hi, int& value);

}  // namespace ravlo::cli
