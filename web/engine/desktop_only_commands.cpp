// The commands that draw with Qt or speak through espeak-ng exist only in the desktop edition;
// the web edition answers them as a usage error, naming where they are.
#include <string>

#include "cli/commands.h"

namespace ravlo::cli {
namespace {

int desktopOnly(CliIo& io, std::string_view what) {
  io.err << "ravlo-cli: " << what << " needs the desktop edition of ravlo-cli\n";
  return kUsage;
}

}  // namespace

int runRender(const Args&, CliIo& io) { return desktopOnly(io, "render"); }
int runSpeak(const Args&, CliIo& io) { return desktopOnly(io, "speak"); }
int runNotebookPrint(const Args&, CliIo& io) { return desktopOnly(io, "notebook print"); }

}  // namespace ravlo::cli
