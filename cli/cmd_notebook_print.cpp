// ravlo-cli notebook print: the notebook's printed page as a PDF, painted as the notebook
// window prints it.
#include <QGuiApplication>
#include <algorithm>
#include <cctype>
#include <string>

#include "cli/commands.h"
#include "cli/headless_gui.h"
#include "cli/notebook_args.h"
#include "core/stream_sink.h"
#include "notebook/model/note_doc.h"
#include "notebook/model/note_files.h"
#include "notebook/model/note_paint.h"
#include "notebook/print/note_printer.h"

namespace ravlo::cli {
namespace {

constexpr int kScreenDpi = 96;

bool endsWithPdf(std::string_view s) {
  if (s.size() < 4) return false;
  std::string tail(s.substr(s.size() - 4));
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail == ".pdf";
}

}  // namespace

int runNotebookPrint(const Args& args, CliIo& io) {
  NotebookArgs a;
  if (const std::string problem = readNotebookArgs(args, true, a); !problem.empty())
    return usageError(io, kNotebookUsage, problem);
  if (a.out.empty()) return usageError(io, kNotebookUsage, "missing -o OUT.pdf");
  if (!endsWithPdf(a.out)) return usageError(io, kNotebookUsage, "the output must end in .pdf");
  StreamSink sink(io.err);
  CalcSettings settings;
  if (const auto usage = notebookSettingsOrUsage(a, settings, sink, io)) return *usage;

  NoteDoc doc;
  NoteFiles files(doc, sink);
  if (!files.NoteReadFile(a.in)) return kFailed;

  const auto app = startHeadlessGui();
  NotePaintInput window = NotePaintDefaults(settings, kScreenDpi);
  std::string error;
  const NoteWorksheetStyle style{a.columns, a.solutions};
  const bool printed =
      a.worksheet ? NotePrintWorksheetPdf(a.out, doc, style, window, settings, sink, error)
                  : NotePrintPdf(a.out, doc, NotePrintKind::Page, window, settings, sink, error);
  if (!printed) {
    io.err << "ravlo-cli: " << error << '\n';
    return kFailed;
  }
  return kOk;
}

}  // namespace ravlo::cli
