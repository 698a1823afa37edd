// ravlo-cli notebook: the notebook's compute-all on a .siki file, with the same document and
// compute as the notebook window; "print" lives apart because it draws with Qt.
#include <string>

#include "cli/commands.h"
#include "cli/notebook_args.h"
#include "core/stream_sink.h"
#include "notebook/model/note_compute.h"
#include "notebook/model/note_doc.h"
#include "notebook/model/note_files.h"
#include "notebook/model/note_messages.h"

namespace ravlo::cli {
namespace {

int runCompute(const Args& args, CliIo& io) {
  NotebookArgs a;
  if (const std::string problem = readNotebookArgs(args, false, a); !problem.empty())
    return usageError(io, kNotebookUsage, problem);
  StreamSink sink(io.err);
  CalcSettings settings;
  if (const auto usage = notebookSettingsOrUsage(a, settings, sink, io)) return *usage;

  NoteDoc doc;
  NoteFiles files(doc, sink);
  if (!files.NoteReadFile(a.in)) return kFailed;
  NoteCompute compute(doc, sink, settings);
  compute.computeAll(false);
  const std::string out = a.out.empty() ? a.in : a.out;
  if (files.NoteWriteFile(out) != 1) {
    sink.box(kNoteWarnCaption,
             std::string(kNoteWriteFailedText) + out + "\n" + files.lastWriteError(),
             BoxButtons::Ok, BoxIcon::Warning);
    return kFailed;
  }
  return kOk;
}

}  // namespace

int runNotebook(const Args& args, CliIo& io) {
  if (args.empty()) return usageError(io, kNotebookUsage, "missing compute, print or generate");
  const Args rest(args.begin() + 1, args.end());
  if (args.front() == "compute") return runCompute(rest, io);
  if (args.front() == "print") return runNotebookPrint(rest, io);
  if (args.front() == "generate") return runNotebookGenerate(rest, io);
  return usageError(io, kNotebookUsage, "unknown notebook command '" + args.front() + "'");
}

}  // namespace ravlo::cli
