#pragma once
// The whole-notebook editor's logic: checking its lines and taking them over into the
// document. The editor dialog holds the text; these work on its lines (split at line ends,
// without them).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/message_sink.h"
#include "notebook/model/note_doc.h"

namespace ravlo {

inline constexpr std::string_view kNoteLinesErrorCaption = "ｴﾗｰの報告";
// "%d": the number of lines.
inline constexpr std::string_view kNoteLinesAllGoodText = "◇全%d行::エラーはありませんでした。";
// More problems than the notebook holds; "%d": how many lines hold a problem.
inline constexpr std::string_view kNoteLinesTooManyText =
    "ﾉｰﾄに書ける式は50問までです。\n\n画面には式が%d行あるので、反映できません。";

// Where NoteLinesCheck stopped.
struct NoteLinesFault {
  int line = 0;               // from 1
  std::size_t position = 0;   // the refused character, from 1, in the trimmed line
  std::size_t column = 0;     // the same character counted from 1 in the line as typed
  int errorNumber = 0;        // the checker's error number
};

// Checks every line in turn (blanks around it removed; an empty line passes). At the first
// refused line shows "◇ｴﾗｰ::(n問: p字目) " + the checker's message under kNoteLinesErrorCaption
// and returns -1 with the fault filled in (the editor selects that character). Otherwise the
// number of lines.
int NoteLinesCheck(const std::vector<std::string>& lines, MessageSink& sink,
                   NoteLinesFault* fault = nullptr);

// "◇全n行::エラーはありませんでした。"
std::string NoteLinesAllGood(int lines);

// Takes the lines over as the notebook's problems: empty lines skipped, every "pai" replaced
// by PaiStr, no trimming and no check. More than 50 problems: says so (kNoteLinesTooManyText)
// and changes nothing (false). Otherwise the selection is dropped, NoteOpenMode becomes
// kNoteOpenEditorTook when the editor's text was modified (else kNoteOpenEditorLeft), and
// the change flag is set.
bool NoteLinesTake(NoteDoc& doc, const std::vector<std::string>& lines, std::string_view PaiStr,
                   bool modified, MessageSink& sink);

}  // namespace ravlo
