// ravlo-cli: the headless front end of the calculator's engine.
#include <iostream>

#include "cli/command_table.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  ravlo::cli::CliIo io{std::cin, std::cout, std::cerr};
  return ravlo::cli::runCli(ravlo::cli::Args(argv + 1, argv + argc), io);
}
