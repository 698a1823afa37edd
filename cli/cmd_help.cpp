#include "cli/commands.h"

namespace ravlo::cli {

int runHelp(const Args&, CliIo& io) {
  io.out << "ravlo-cli COMMAND [OPTIONS] ARGS\n"
            "Expressions are given in the calculator's encoded text (3b2 is two thirds).\n"
            "An argument - reads one expression per line from standard input.\n"
            "real FUNC ARGS: the real-number calculator (FUNC sqrt log10 ln inv pow sin cos tan\n"
            "  asin acos atan gcd lcm; two arguments as A,N): the value it puts into its field.\n";
  return kOk;
}

}  // namespace ravlo::cli
