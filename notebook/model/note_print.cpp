#include "notebook/model/note_print.h"

#include "notebook/model/note_answer.h"
#include "notebook/model/note_compute.h"

namespace ravlo {
namespace {

NoteDoc problemsOnly(const NoteDoc& doc, MessageSink& sink) {
  NoteDoc sheet = doc;
  for (int n = 1; n <= sheet.count(); ++n) {
    std::string& slot = sheet.SikiTbl[static_cast<std::size_t>(n - 1)];
    if (NoteHasAnswer(slot)) slot = NoteCutAnswer(slot, sink);
  }
  sheet.SelNo = 0;
  return sheet;
}

NoteDoc answerKey(const NoteDoc& doc, const CalcSettings& settings, MessageSink& sink) {
  NoteDoc key = doc;
  NoteCompute compute(key, sink, settings);
  compute.computeAll(false);
  key.SelNo = 0;
  key.HyoudaiStr += key.HyoudaiStr.empty() ? std::string(kNoteAnswerKeyTitle)
                                           : "　" + std::string(kNoteAnswerKeyTitle);
  return key;
}

}  // namespace

std::vector<NoteDoc> NotePrintDocs(const NoteDoc& doc, NotePrintKind kind,
                                   const CalcSettings& settings, MessageSink& sink) {
  switch (kind) {
    case NotePrintKind::Page:
      return {doc};
    case NotePrintKind::ProblemsOnly:
      return {problemsOnly(doc, sink)};
    case NotePrintKind::AnswerKey:
      return {answerKey(doc, settings, sink)};
    case NotePrintKind::Worksheet:
      break;
  }
  return {problemsOnly(doc, sink), answerKey(doc, settings, sink)};
}

int NotePrintPages(Canvas& c, const NoteSheets& sheets, const NoteDoc& doc, NotePrintKind kind,
                   const NotePaintInput& in, const CalcSettings& settings, MessageSink& sink) {
  NotePaintInput page = in;
  page.PrintFlag = true;
  if (kind != NotePrintKind::Page) page.KAITOURAN_FLAG = true;
  int used = 0;
  for (const NoteDoc& sheetDoc : NotePrintDocs(doc, kind, settings, sink)) {
    if (used > 0 && (!sheets.newSheet || !sheets.newSheet())) return -1;
    const int n = NotePaintSheets(c, sheetDoc, page, sheets);
    if (n < 0) return -1;
    used += n;
  }
  return used;
}

}  // namespace ravlo
