#pragma once
// ravlo-cli's commands by name, shared by the program's main and the web engine's cli().
#include "cli/cli_io.h"

namespace ravlo::cli {

// Runs the command named by args[0] with the arguments after it; a missing or unknown name
// is a usage error.
int runCli(const Args& args, CliIo& io);

}  // namespace ravlo::cli
