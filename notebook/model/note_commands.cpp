#include "notebook/model/note_commands.h"

#include "notebook/model/note_answer.h"
#include "notebook/model/note_messages.h"

namespace ravlo {
namespace {

}  // namespace

NoteCommands::NoteCommands(NoteDoc& doc, MessageSink& sink)
    : doc_(doc), sink_(sink), files_(doc, sink) {}

void NoteCommands::setView(NoteView* view) {
  view_ = view ? view : &noView_;
  files_.setView(view);
}

bool NoteCommands::refuseWhenFull() {
  if (!doc_.full()) return false;
  sink_.box(kNoteCheckCaption, kNoteFullText, BoxButtons::Ok, BoxIcon::Information);
  return true;
}

void NoteCommands::openSikiEditor() {
  doc_.EditBuffer = doc_.Siki(doc_.SelNo);
  view_->OpenSikiEditor();
}

void NoteCommands::selectPrevious() {
  doc_.selectPrevious();
  view_->NoteRedraw();
}

void NoteCommands::selectNext() {
  doc_.selectNext();
  view_->NoteRedraw();
}

void NoteCommands::NoteUndo() {
  doc_.NoteUndo();
  view_->NoteRedraw();
}

bool NoteCommands::addNewSiki() {
  if (refuseWhenFull()) return false;
  doc_.NoteSnapshot();
  doc_.appendSiki("");
  doc_.SelNo = doc_.count();
  doc_.HenkouFlag = 1;
  view_->NoteRedraw();
  openSikiEditor();
  return true;
}

bool NoteCommands::editSelected() {
  if (!doc_.hasSelection()) {
    if (sink_.box(kNoteCheckCaption, kNoteNoSelectionAddText, BoxButtons::OkCancel,
                  BoxIcon::Question) != BoxAnswer::Ok)
      return false;
    if (refuseWhenFull()) return false;
    doc_.appendSiki("");
    doc_.SelNo = doc_.count();
    doc_.HenkouFlag = 1;
    view_->NoteRedraw();
  }
  doc_.NoteSnapshot();
  openSikiEditor();
  return true;
}

bool NoteCommands::deleteSelected() {
  if (!doc_.hasSelection()) {
    sink_.box(kNoteCheckCaption, kNoteDeleteSelectText, BoxButtons::Ok, BoxIcon::Information);
    return false;
  }
  if (sink_.box(kNoteCheckCaption, kNoteDeleteConfirmText, BoxButtons::OkCancel,
                BoxIcon::Question) != BoxAnswer::Ok)
    return false;
  doc_.NoteSnapshot();
  doc_.removeSiki(doc_.SelNo);
  doc_.SelNo = 0;
  doc_.HenkouFlag = 1;
  view_->NoteRedraw();
  return true;
}

bool NoteCommands::copySelected() {
  if (!doc_.hasSelection()) {
    sink_.box(kNoteCheckCaption, kNoteCopySelectText, BoxButtons::Ok, BoxIcon::Information);
    return false;
  }
  // The copy may be the fiftieth problem; a full list says so rather than ask for a selection.
  if (refuseWhenFull()) return false;
  doc_.NoteSnapshot();
  doc_.appendSiki(doc_.Siki(doc_.SelNo));
  doc_.HenkouFlag = 1;
  view_->NoteRedraw();
  return true;
}

bool NoteCommands::cutSelectedAnswer() {
  if (!doc_.hasSelection()) {
    sink_.box(kNoteCheckCaption, kNoteCutAnsSelectText, BoxButtons::Ok, BoxIcon::Information);
    return false;
  }
  doc_.NoteSnapshot();
  const std::string& text = doc_.Siki(doc_.SelNo);
  if (!NoteHasAnswer(text)) return false;
  if (sink_.box(kNoteCheckCaption, kNoteCutAnsConfirmText, BoxButtons::OkCancel,
                BoxIcon::Question) != BoxAnswer::Ok)
    return false;
  doc_.setSelectedSiki(NoteCutAnswer(text, sink_));
  doc_.HenkouFlag = 1;
  view_->NoteRedraw();
  return true;
}

bool NoteCommands::cutAllAnswers() {
  if (sink_.box(kNoteCheckCaption, kNoteCutAllConfirmText, BoxButtons::OkCancel,
                BoxIcon::Question) != BoxAnswer::Ok)
    return false;
  doc_.NoteSnapshot();
  for (int n = 1; n <= doc_.count(); ++n) {
    std::string& slot = doc_.SikiTbl[static_cast<std::size_t>(n - 1)];
    if (NoteHasAnswer(slot)) slot = NoteCutAnswer(slot, sink_);
  }
  doc_.HenkouFlag = 1;
  view_->NoteRedraw();
  return true;
}

bool NoteCommands::clearNotebook() {
  if (doc_.HenkouFlag != 0) {
    const BoxAnswer answer = sink_.box(kNoteCheckCaption, kNoteClearSaveText,
                                       BoxButtons::YesNoCancel, BoxIcon::Question);
    if (answer == BoxAnswer::Cancel) return false;
    // Clearing after a save that did not go through would throw the changes away.
    if (answer == BoxAnswer::Yes && !noteSaveKeptChanges(files_.NoteSave())) return false;
  }
  doc_.NoteSnapshot();
  doc_.NoteClearAll();
  doc_.HyoudaiStr.clear();
  view_->NoteShowCleared();
  return true;
}

bool NoteCommands::fillGenerated(const std::string& title,
                                 const std::vector<std::string>& problems) {
  if (doc_.count() > 0 && doc_.differsFromFile()) {
    const BoxAnswer answer = sink_.box(kNoteCheckCaption, kNoteGenerateSaveText,
                                       BoxButtons::YesNoCancel, BoxIcon::Question);
    if (answer == BoxAnswer::Cancel) return false;
    if (answer == BoxAnswer::Yes && !noteSaveKeptChanges(files_.NoteSave())) return false;
  }
  doc_.NoteSnapshot();
  if (!doc_.replaceProblems(problems)) return false;
  doc_.HyoudaiStr = title;
  doc_.HenkouFlag = 1;
  view_->NoteRedraw();
  return true;
}

void NoteCommands::windowOpened(std::string_view InpSiki) {
  doc_.HenkouFlag = 1;
  switch (doc_.NoteOpenMode) {
    case kNoteOpenFromEditor:
      if (!InpSiki.empty() && !refuseWhenFull()) doc_.appendSiki(std::string(InpSiki));
      break;
    case kNoteOpenFromMain:
      if (InpSiki.empty()) {
        doc_.HenkouFlag = 0;
      } else {
        doc_.replaceProblems({std::string(InpSiki)});
      }
      break;
    default:
      break;
  }
  view_->NoteRedraw();
}

}  // namespace ravlo
