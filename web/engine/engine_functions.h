#pragma once
// The engine's stateless functions for the page: ravlo-cli's commands with the CLI's exact
// contract, and the few the page asks for often, built on them.
#include <string>
#include <string_view>
#include <vector>

namespace ravlo {

struct CliRun {
  int status = 0;
  std::string out;
  std::string err;
};

// ravlo-cli with these arguments (the command's name first), standard input given.
CliRun runCliCommand(const std::vector<std::string>& args, std::string input);

struct CalcLine {
  bool ok = false;
  std::string line;      // the computed line; empty when it could not be computed
  std::string messages;  // what the CLI wrote to standard error
};

// calc with the answer forms ANSSYU and SYOUDSP.
CalcLine calcLine(std::string_view expr, int anssyu, int syoudsp);

struct CheckVerdict {
  int position = 0;      // 0: the whole text is accepted
  std::string message;   // the checker's numbered message
};

CheckVerdict checkExpression(std::string_view expr);

}  // namespace ravlo
