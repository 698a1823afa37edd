#include "cli/commands.h"

namespace ravlo::cli {

int runHelp(const Args&, CliIo& io) {
  io.out << "ravlo-cli COMMAND [OPTIONS] ARGS\n"
            "Expressions are given in the calculator's encoded text (3b2 is two thirds).\n"
            "An argument - reads one expression per line from standard input.\n";
  return kOk;
}

}  // namespace ravlo::cli
