#include "notebook/model/note_edit_session.h"

#include "expr/inp_check.h"
#include "notebook/model/note_messages.h"

namespace ravlo {

std::vector<std::string> NoteEditLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::string NoteLookLine(std::string_view text, std::size_t caretByte) {
  if (caretByte > text.size()) caretByte = text.size();
  const std::size_t lineEnd = text.find('\n', caretByte);
  std::size_t start = 0;
  if (caretByte > 0) {
    const std::size_t before = text.rfind('\n', caretByte - 1);
    if (before != std::string_view::npos) start = before + 1;
  }
  std::string_view line = text.substr(start, lineEnd == std::string_view::npos
                                                 ? std::string_view::npos
                                                 : lineEnd - start);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return std::string(line);
}

bool NoteEditSession::begin() {
  if (NoteEditOpenFlag) {
    sink_.box(kNoteCheckCaption, kNoteEditAlreadyOpenText, BoxButtons::Ok, BoxIcon::Information);
    return false;
  }
  doc_.NoteSnapshot();
  NoteEditOpenFlag = true;
  return true;
}

std::string NoteEditSession::caption() const {
  return std::string(kNoteEditCaptionHead) + doc_.NoteFileName + "]";
}

std::string NoteEditSession::text() const {
  std::string out;
  for (int n = 1; n <= doc_.count(); ++n) {
    if (n > 1) out += '\n';
    out += doc_.Siki(n);
  }
  return out;
}

bool NoteEditSession::takeAndClose(const std::vector<std::string>& lines,
                                   std::string_view PaiStr, bool modified) {
  if (sink_.box(kNoteEditTakeCaption, kNoteEditTakeText, BoxButtons::YesNo,
                BoxIcon::Question) != BoxAnswer::Yes)
    return false;
  if (!NoteLinesTake(doc_, lines, PaiStr, modified, sink_)) return false;
  doc_.HenkouFlag = 1;
  view_->NoteRedraw();
  return true;
}

bool NoteEditSession::mayClose(bool modified) {
  if (modified && sink_.box(kNoteEditDiscardCaption, kNoteEditDiscardText, BoxButtons::YesNo,
                            BoxIcon::Question) != BoxAnswer::Yes)
    return false;
  if (modified) doc_.NoteOpenMode = kNoteOpenEditorLeft;
  return true;
}

int NoteEditSession::check(const std::vector<std::string>& lines, NoteLinesFault* fault) {
  const int n = NoteLinesCheck(lines, sink_, fault);
  if (n >= 0) sink_.box(kNoteLinesErrorCaption, NoteLinesAllGood(n), BoxButtons::Ok,
                        BoxIcon::Information);
  return n;
}

bool NoteEditSession::preview(const std::vector<std::string>& lines, std::string_view PaiStr,
                              bool modified, NoteLinesFault* fault) {
  if (NoteLinesCheck(lines, sink_, fault) < 0) return false;
  if (!NoteLinesTake(doc_, lines, PaiStr, modified, sink_)) return false;
  view_->NoteRedraw();
  return true;
}

void NoteEditSession::look(std::string_view line) {
  if (line.empty()) return;
  // A solved equation keeps the solver's answer after "&" (with "＝", "＜", ...), which is
  // no typed expression: the equation itself is what is shown.
  if (line.find('x') != std::string_view::npos) line = line.substr(0, line.find('&'));
  if (SikiCheck(checker_, line, false, false, true, true, sink_) != 0) return;
  sink_.smallMessage("@" + std::string(line), kNoteLookCaption, kNoteLookMs);
}

void NoteEditSession::end() {
  NoteEditOpenFlag = false;
  doc_.HenkouFlag = 1;
  view_->NoteRedraw();
}

}  // namespace ravlo
