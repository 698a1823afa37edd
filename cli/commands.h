#pragma once
// One function per ravlo-cli command; each lives in its own cmd_*.cpp.
#include "cli/cli_io.h"

namespace ravlo::cli {

int runHelp(const Args& args, CliIo& io);
// check [--kakeru-abr 0|1] EXPR: the input checker's verdict on a whole expression.
int runCheck(const Args& args, CliIo& io);

}  // namespace ravlo::cli
