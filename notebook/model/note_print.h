#pragma once
// What a notebook print puts on paper, for the window's print command and the command line:
// the page as it is, the problems alone (answers removed, an empty answer column after each),
// the answer key (every problem computed), or a worksheet (problems, then the answer key on
// sheets of its own). Qt-free: it draws on any canvas through NotePaintSheets; the Qt printer
// and PDF glue is notebook/print/note_printer.h.
#include <functional>
#include <string_view>
#include <vector>

#include "app/model/calc_settings.h"
#include "core/message_sink.h"
#include "notebook/model/note_doc.h"
#include "notebook/model/note_paint.h"
#include "render/canvas.h"

namespace ravlo {

enum class NotePrintKind {
  Page,          // the page as the window shows it ("答えつき": the answers it holds)
  ProblemsOnly,  // "問題だけ": every answer removed, the answer column on
  AnswerKey,     // every problem computed on a copy, the answer column on
  Worksheet,     // "問題と解答ページ": ProblemsOnly, then AnswerKey from a new sheet
};

// Appended to the title of the answer key.
inline constexpr std::string_view kNoteAnswerKeyTitle = "【解答】";

// The documents printed for a kind, in order (one for Page, ProblemsOnly and AnswerKey, two
// for Worksheet). The answer key is computed as compute-all does, without asking; its
// reports go to the sink. The document itself is never changed.
std::vector<NoteDoc> NotePrintDocs(const NoteDoc& doc, NotePrintKind kind,
                                   const CalcSettings& settings, MessageSink& sink);

// Draws the kind's documents on a sheet target: each document from a new sheet, each as many
// sheets as it needs. The input is the window's (fonts, spacing, answer column, title font);
// PrintFlag is set here, and the answer column is forced on for problems and key. Returns the
// number of sheets drawn, or -1 when newSheet failed.
int NotePrintPages(Canvas& c, const NoteSheets& sheets, const NoteDoc& doc, NotePrintKind kind,
                   const NotePaintInput& in, const CalcSettings& settings, MessageSink& sink);

}  // namespace ravlo
