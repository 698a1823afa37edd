#include "notebook/model/note_lines.h"

#include "notebook/model/note_line_check.h"
#include "expr/inp_check_msg.h"
#include "expr/inp_check_state.h"
#include "notebook/model/note_format.h"
#include "notebook/model/note_messages.h"

namespace ravlo {
namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

}  // namespace

int NoteLinesCheck(const std::vector<std::string>& lines, MessageSink& sink, NoteLinesFault* fault) {
  InpCheckState checker;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    std::size_t lead = 0;
    while (lead < line.size() && isBlank(line[lead])) ++lead;
    line.remove_prefix(lead);
    while (!line.empty() && isBlank(line.back())) line.remove_suffix(1);
    if (line.empty()) continue;
    checker.resetForNewLine();
    // As a file line is checked: a solved equation's answer is the solver's own text.
    const std::size_t p = NoteLineCheck(checker, line);
    if (p == 0) continue;
    const int n = static_cast<int>(i + 1);
    if (fault) *fault = NoteLinesFault{n, p, lead + p, checker.InpErrNo};
    sink.box(kNoteLinesErrorCaption,
             "◇ｴﾗｰ::(" + std::to_string(n) + "問: " + std::to_string(p) + "字目) " +
                 std::string(inpCheckMessage(checker.InpErrNo)),
             BoxButtons::Ok, BoxIcon::Warning);
    return -1;
  }
  return static_cast<int>(lines.size());
}

std::string NoteLinesAllGood(int lines) {
  return fillNoteText(kNoteLinesAllGoodText, {std::to_string(lines)});
}

bool NoteLinesTake(NoteDoc& doc, const std::vector<std::string>& lines, std::string_view PaiStr,
                   bool modified, MessageSink& sink) {
  std::vector<std::string> problems;
  for (const std::string& line : lines)
    if (!line.empty()) problems.push_back(replaceAll(line, "pai", PaiStr));
  if (problems.size() > static_cast<std::size_t>(kSikiMax)) {
    sink.box(kNoteWarnCaption,
             fillNoteText(kNoteLinesTooManyText, {std::to_string(problems.size())}),
             BoxButtons::Ok, BoxIcon::Warning);
    return false;
  }
  doc.replaceProblems(problems);
  doc.NoteOpenMode = modified ? kNoteOpenEditorTook : kNoteOpenEditorLeft;
  doc.HenkouFlag = 1;
  return true;
}

}  // namespace ravlo
