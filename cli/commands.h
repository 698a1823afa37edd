#pragma once
// One function per ravlo-cli command; each lives in its own cmd_*.cpp.
#include "cli/cli_io.h"

namespace ravlo::cli {

int runHelp(const Args& args, CliIo& io);
int runFactor(const Args& args, CliIo& io);
int runBase(const Args& args, CliIo& io);

}  // namespace ravlo::cli
