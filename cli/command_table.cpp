#include "cli/command_table.h"

#include <string_view>

#include "cli/commands.h"

namespace ravlo::cli {
namespace {

struct Command {
  std::string_view name;
  int (*run)(const Args&, CliIo&);
};

constexpr Command kCommands[] = {
    {"help", runHelp},       {"calc", runCalc},         {"check", runCheck},
    {"process", runProcess}, {"factor", runFactor},     {"base", runBase},
    {"render", runRender},   {"convert", runConvert},   {"speak", runSpeak},
    {"notebook", runNotebook}, {"real", runReal},       {"subst", runSubst},
};

constexpr std::string_view kUsageText =
    "usage: ravlo-cli COMMAND [OPTIONS] ARGS  (commands: help, calc, check, process, factor, base, render, convert, speak, notebook, real, subst)";

}  // namespace

int runCli(const Args& args, CliIo& io) {
  if (args.empty()) {
    io.err << kUsageText << '\n';
    return kUsage;
  }
  const std::string_view name = args.front();
  const Args rest(args.begin() + 1, args.end());
  for (const Command& c : kCommands)
    if (c.name == name) return c.run(rest, io);
  io.err << "ravlo-cli: unknown command '" << name << "'\n" << kUsageText << '\n';
  return kUsage;
}

}  // namespace ravlo::cli
