#pragma once
// Runs the real ravlo-cli binary and captures what it prints.
#include <string>
#include <vector>

namespace ravlo::test {

struct CliResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// args are passed without a shell; input goes to standard input.
CliResult runCli(const std::vector<std::string>& args, const std::string& input = "");

}  // namespace ravlo::test
