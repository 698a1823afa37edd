// ravlo-cli of the web edition: the desktop's commands, with standard input and output through
// buffers that suit Node.js (see process_streams.h).
#include <unistd.h>

#include <istream>
#include <ostream>

#include "cli/command_table.h"
#include "web/engine/process_streams.h"

int main(int argc, char** argv) {
  ravlo::web::OutputBuffer errBuffer(STDERR_FILENO);  // each message flushed by its sink
  ravlo::web::OutputBuffer outBuffer(STDOUT_FILENO);
  ravlo::web::InputBuffer inBuffer(STDIN_FILENO, outBuffer);
  std::ostream out(&outBuffer);
  std::istream in(&inBuffer);
  std::ostream err(&errBuffer);
  ravlo::cli::CliIo io{in, out, err};
  const int status = ravlo::cli::runCli(ravlo::cli::Args(argv + 1, argv + argc), io);
  out.flush();
  err.flush();
  return status;
}
