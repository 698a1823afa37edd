#include "tools/model/siki_edit_target.h"

#include <utility>

#include "app/model/calc_state.h"
#include "core/text_helpers.h"
#include "notebook/model/note_doc.h"
#include "tools/model/screen_line.h"

namespace ravlo {

SikiEditTarget::SikiEditTarget(NoteTarget note) : note_(std::move(note)) {}

std::string SikiEditTarget::openingText(const CalcState& st) const {
  return isNotebook() ? note_.doc->EditBuffer : st.InpSiki;
}

void SikiEditTarget::showChecked(CalcState& st, const std::string& text) const {
  if (isNotebook()) {
    toNotebook(text);
    return;
  }
  // A question shows without its answer and stays open for "="; an equation keeps its "=",
  // and a line with its answer column is finished.
  const bool whole = text.find_first_of("x&") != std::string::npos;
  putTypedLine(st, whole ? text : SikiCutAns(text, false));
}

void SikiEditTarget::showComputed(CalcState& st, const std::string& line) const {
  if (isNotebook()) {
    toNotebook(line);
    return;
  }
  putFinishedLine(st, line);
}

void SikiEditTarget::toNotebook(const std::string& text) const {
  if (!note_.doc->setSelectedSiki(text)) return;
  if (note_.redraw) note_.redraw();
}

}  // namespace ravlo
