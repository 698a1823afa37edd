#include "cli/commands.h"

namespace ravlo::cli {

int runHelp(const Args&, CliIo& io) {
  io.out << "ravlo-cli COMMAND [OPTIONS] ARGS\n"
            "Expressions are given in the calculator's encoded text (3b2 is two thirds).\n"
            "An argument - reads one expression per line from standard input.\n"
            "Commands: calc, check, process, convert, factor, base, render, subst.\n"
            "  subst EXPR x=V [y=V] [z=V]  the expression with the values put in for x, y, z\n"
            "                              (x=-1 is put in as (-1); pipe into calc -)\n";
  return kOk;
}

}  // namespace ravlo::cli
