#include "notebook/model/note_layout.h"

#include <algorithm>

#include "core/text_helpers.h"

namespace ravlo {

int NoteKankakuKeyStep(int now, int delta) {
  if (delta > 0) return now < kNoteKankakuMax ? now + 1 : now;
  if (delta < 0) return now > kNoteKankakuKeyMin ? now - 1 : now;
  return now;
}

int NotePageKeyStep(int now, int delta) {
  return std::clamp(now + (delta > 0 ? 1 : delta < 0 ? -1 : 0), kNotePageMin, kNotePageMax);
}

std::string NoteItiPrompt(int current) {
  return "解答欄の現在の開始位置は\n 　< " + std::to_string(current) +
         " >\n 字め[半角] です。\n必要な数値(10～80)を入力して変更して下さい。";
}

std::optional<int> NoteItiParse(std::string_view text) {
  // Blanks around the number are what a learner leaves; anything else makes it no number.
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  const std::optional<int64_t> value = parseInt64(text);
  if (!value || *value < kNoteItiMin || *value > kNoteItiMax) return std::nullopt;
  return static_cast<int>(*value);
}

bool NoteEqKaigyoMenuToggle(bool& checkMark, bool& EqKaigyoFlag) {
  checkMark = !checkMark;
  if (!checkMark && !EqKaigyoFlag) return false;
  EqKaigyoFlag = checkMark;
  return true;
}

NoteBoxAction NoteBoxToggle(NoteBoxState state) {
  switch (state) {
    case NoteBoxState::Shown: return NoteBoxAction::Minimize;
    case NoteBoxState::Minimized: return NoteBoxAction::Restore;
    case NoteBoxState::Closed: return NoteBoxAction::Create;
  }
  return NoteBoxAction::Create;
}

}  // namespace ravlo
