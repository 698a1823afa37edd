// ravlo-cli notebook: the notebook's compute-all on a .siki file, and its printed page as a
// PDF, with the same document, compute and painting as the notebook window.
#include <QGuiApplication>
#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "app/model/calc_settings.h"
#include "app/model/settings_file.h"
#include "cli/commands.h"
#include "cli/headless_gui.h"
#include "core/stream_sink.h"
#include "notebook/model/note_compute.h"
#include "notebook/model/note_doc.h"
#include "notebook/model/note_files.h"
#include "notebook/model/note_messages.h"
#include "notebook/model/note_paint.h"
#include "notebook/print/note_printer.h"

namespace ravlo::cli {
namespace {

constexpr std::string_view kNotebookUsage =
    "notebook compute [--ini FILE] IN.siki [-o OUT.siki] | "
    "notebook print [--worksheet] [--ini FILE] IN.siki -o OUT.pdf";
constexpr int kScreenDpi = 96;

struct NotebookArgs {
  std::string in, out, ini;
  bool worksheet = false;
};

// Reads "[--worksheet] [--ini FILE] IN [-o OUT]" in any order; an empty string when fine,
// else what is wrong.
std::string readArgs(const Args& args, bool allowWorksheet, NotebookArgs& a) {
  bool haveIn = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& s = args[i];
    if (s == "-o" || s == "--ini") {
      if (i + 1 == args.size()) return s + " needs a value";
      (s == "-o" ? a.out : a.ini) = args[++i];
      if ((s == "-o" ? a.out : a.ini).empty()) return s + " needs a value";
    } else if (s == "--worksheet" && allowWorksheet) {
      a.worksheet = true;
    } else if (s.size() > 1 && s[0] == '-') {
      return "unknown option " + s;
    } else if (haveIn) {
      return "one notebook file only";
    } else {
      a.in = s;
      haveIn = true;
    }
  }
  if (!haveIn || a.in.empty()) return "missing IN.siki";
  return {};
}

bool loadSettings(const NotebookArgs& a, CalcSettings& settings, MessageSink& sink) {
  if (a.ini.empty()) return true;
  return SettingsLoad(settings, a.ini, sink).state == SettingsFileState::Read;
}

bool endsWithPdf(std::string_view s) {
  if (s.size() < 4) return false;
  std::string tail(s.substr(s.size() - 4));
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail == ".pdf";
}

int runCompute(const Args& args, CliIo& io) {
  NotebookArgs a;
  if (const std::string problem = readArgs(args, false, a); !problem.empty())
    return usageError(io, kNotebookUsage, problem);
  StreamSink sink(io.err);
  CalcSettings settings;
  if (!loadSettings(a, settings, sink))
    return usageError(io, kNotebookUsage, "cannot read the settings file '" + a.ini + "'");

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

int runPrint(const Args& args, CliIo& io) {
  NotebookArgs a;
  if (const std::string problem = readArgs(args, true, a); !problem.empty())
    return usageError(io, kNotebookUsage, problem);
  if (a.out.empty()) return usageError(io, kNotebookUsage, "missing -o OUT.pdf");
  if (!endsWithPdf(a.out)) return usageError(io, kNotebookUsage, "the output must end in .pdf");
  StreamSink sink(io.err);
  CalcSettings settings;
  if (!loadSettings(a, settings, sink))
    return usageError(io, kNotebookUsage, "cannot read the settings file '" + a.ini + "'");

  NoteDoc doc;
  NoteFiles files(doc, sink);
  if (!files.NoteReadFile(a.in)) return kFailed;

  const auto app = startHeadlessGui();
  NotePaintInput window = NotePaintDefaults(settings, kScreenDpi);
  std::string error;
  const NotePrintKind kind = a.worksheet ? NotePrintKind::Worksheet : NotePrintKind::Page;
  if (!NotePrintPdf(a.out, doc, kind, window, settings, sink, error)) {
    io.err << "ravlo-cli: " << error << '\n';
    return kFailed;
  }
  return kOk;
}

}  // namespace

int runNotebook(const Args& args, CliIo& io) {
  if (args.empty()) return usageError(io, kNotebookUsage, "missing compute or print");
  const Args rest(args.begin() + 1, args.end());
  if (args.front() == "compute") return runCompute(rest, io);
  if (args.front() == "print") return runPrint(rest, io);
  return usageError(io, kNotebookUsage, "unknown notebook command '" + args.front() + "'");
}

}  // namespace ravlo::cli
