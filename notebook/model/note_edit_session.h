#pragma once
// One opening of the whole-notebook editor (全行編集画面): what happens when it opens, when
// its lines are checked, looked at or taken over, and when it closes. The dialog holds the
// text and says whether it was modified; the lines are its text split at the line ends.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/message_sink.h"
#include "expr/inp_check_state.h"
#include "notebook/model/note_doc.h"
#include "notebook/model/note_lines.h"
#include "notebook/model/note_view.h"

namespace ravlo {

inline constexpr std::string_view kNoteEditAlreadyOpenText = "頁編集画面はすでに開いています。";
inline constexpr std::string_view kNoteEditCaptionHead = "ﾉｰﾄﾌﾞｯｸの式編集[ﾌｧｲﾙ名::";
inline constexpr std::string_view kNoteEditTakeCaption = "反映終了のご確認";
inline constexpr std::string_view kNoteEditTakeText =
    "ノート画面を書き換えます。\n\nこのまま反映終了していいですか？";
inline constexpr std::string_view kNoteEditDiscardCaption = "破棄終了のご確認";
inline constexpr std::string_view kNoteEditDiscardText =
    "画面の式は編集されています。\n\nこのまま破棄終了していいですか？";
inline constexpr std::string_view kNoteLookCaption = "式の分数形表示";
inline constexpr int kNoteLookMs = 10000;
inline constexpr int kNoteEditFontSizeDefault = 14;

// The editor's text split into lines; "\r\n" and "\n" both end a line, and a last line end
// adds no empty line.
std::vector<std::string> NoteEditLines(std::string_view text);
// The line that holds the caret; caret counts bytes of the text from 0.
std::string NoteLookLine(std::string_view text, std::size_t caretByte);

class NoteEditSession {
 public:
  NoteEditSession(NoteDoc& doc, MessageSink& sink) : doc_(doc), sink_(sink) {}
  NoteEditSession(const NoteEditSession&) = delete;
  NoteEditSession& operator=(const NoteEditSession&) = delete;

  void setView(NoteView* view) { view_ = view ? view : &noView_; }

  bool NoteEditOpenFlag = false;

  // False (with its message) when the editor is open already; otherwise the undo snapshot
  // is taken and the editor counts as open.
  bool begin();
  // "ﾉｰﾄﾌﾞｯｸの式編集[ﾌｧｲﾙ名::" + file name + "]"
  std::string caption() const;
  // The problems, one a line.
  std::string text() const;

  // "反映終了": asks; on Yes takes the lines over. True when the editor is to close (its
  // text is then emptied); false when the learner said No or the lines were refused.
  bool takeAndClose(const std::vector<std::string>& lines, std::string_view PaiStr,
                    bool modified);
  // Closing by any other way: with modifications asks first. True when the editor may close.
  bool mayClose(bool modified);
  // "適切さチェック": the number of lines, or -1 after the fault's message (the dialog then
  // selects the character).
  int check(const std::vector<std::string>& lines, NoteLinesFault* fault);
  // "表示確認": checks, and takes the lines over when they pass. True when they were taken.
  bool preview(const std::vector<std::string>& lines, std::string_view PaiStr, bool modified,
               NoteLinesFault* fault);
  // "Lookする": the line with the caret in built-up form, after the checker passed it.
  void look(std::string_view line);
  // The editor has closed, whatever the way: the notebook counts as changed and is redrawn.
  void end();

 private:
  NoteDoc& doc_;
  MessageSink& sink_;
  NoteView noView_;
  NoteView* view_ = &noView_;
  InpCheckState checker_;
};

}  // namespace ravlo
