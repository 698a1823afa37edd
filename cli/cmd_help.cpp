#include "cli/commands.h"

namespace ravlo::cli {

int runHelp(const Args&, CliIo& io) {
  io.out << "ravlo-cli COMMAND [OPTIONS] ARGS\n"
            "Expressions are given in the calculator's encoded text (3b2 is two thirds).\n"
            "An argument - reads one expression per line from standard input.\n"
            "Commands: calc, check, process, factor, base, convert, render, notebook.\n"
            "  notebook compute [--ini FILE] IN.siki [-o OUT.siki]\n"
            "      computes every problem as the notebook's compute-all does and writes the\n"
            "      notebook (to IN when -o is absent); messages on standard error\n"
            "  notebook print [--worksheet] [--ini FILE] IN.siki -o OUT.pdf\n"
            "      the notebook page as the notebook window prints it (A4 PDF); --worksheet:\n"
            "      the problems with empty answer columns, then an answer-key page\n";
  return kOk;
}

}  // namespace ravlo::cli
