// ravlo-cli: the headless front end of the calculator's engine.
#include <iostream>
#include <string_view>

#include "cli/commands.h"

namespace {

using ravlo::cli::Args;
using ravlo::cli::CliIo;

struct Command {
  std::string_view name;
  int (*run)(const Args&, CliIo&);
};

const Command kCommands[] = {
    {"help", ravlo::cli::runHelp},
    {"calc", ravlo::cli::runCalc},
    {"check", ravlo::cli::runCheck},
    {"process", ravlo::cli::runProcess},
    {"factor", ravlo::cli::runFactor},
    {"base", ravlo::cli::runBase},
    {"render", ravlo::cli::runRender},
    {"convert", ravlo::cli::runConvert},
    {"speak", ravlo::cli::runSpeak},
    {"notebook", ravlo::cli::runNotebook},
    {"real", ravlo::cli::runReal},
    {"subst", ravlo::cli::runSubst},
};

constexpr std::string_view kUsage =
    "usage: ravlo-cli COMMAND [OPTIONS] ARGS  (commands: help, calc, check, process, factor, base, render, convert, speak, notebook, real, subst)";

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  CliIo io{std::cin, std::cout, std::cerr};
  if (argc < 2) {
    std::cerr << kUsage << '\n';
    return ravlo::cli::kUsage;
  }
  std::string_view name = argv[1];
  Args args(argv + 2, argv + argc);
  for (const auto& c : kCommands)
    if (c.name == name) return c.run(args, io);
  std::cerr << "ravlo-cli: unknown command '" << name << "'\n" << kUsage << '\n';
  return ravlo::cli::kUsage;
}
