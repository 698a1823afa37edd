#pragma once
// The expression editor (式エディタ) without its window: checking the edited text, showing or
// computing it for its target, the text kept aside, and the questions it asks on closing.
#include <optional>
#include <string>
#include <string_view>

#include "tools/model/siki_edit_target.h"
#include "tools/model/tool_session.h"

namespace ravlo {

class CalcState;

inline constexpr std::string_view kSikiEditCaption =
    "◆式エディタ◆　【式文字列の編集（キーボードからのみ入力可）】";
inline constexpr std::string_view kSikiEditFieldLabel = "▼ここで編集(Max256字)▼";
inline constexpr int kSikiEditMaxLength = 256;
inline constexpr std::string_view kSikiEditErrorRest = "◇ｴﾗｰ ⇒";
inline constexpr std::string_view kSikiEditCommentText = " ｢#｣ 以降を削除せよ！";
inline constexpr std::string_view kSikiEditYZCaption = "注意!!";
inline constexpr std::string_view kSikiEditYZText = "ｙやｚの文字は計算できません。";
inline constexpr std::string_view kSikiEditNoteOpenCaption = "ご確認";
inline constexpr std::string_view kSikiEditNoteOpenText = "ノート画面はすでに開いています。";
inline constexpr std::string_view kSikiEditCloseCaption = "報告！";
inline constexpr std::string_view kSikiEditCloseText =
    "編集内容を画面に反映していません。\n\nこのまま終了していいですか？";
inline constexpr std::string_view kSavedCaption = "報告！";
inline constexpr std::string_view kSaveEmptyText = "退避する式はありません。";
inline constexpr std::string_view kNothingSavedText = "退避してある式はありません。";
inline constexpr std::string_view kSavedLookCaption = "退避してある式";
inline constexpr int kSavedLookMs = 6000;
inline constexpr std::string_view kKeyTenyouOff = "OFF";
inline constexpr std::string_view kKeyTenyouOn = "ON";
// The editor stands this far left of the main window's right edge and above its bottom.
inline constexpr int kSikiEditRightGap = 510;
inline constexpr int kSikiEditBottomGap = 150;

// "< text > を一時退避しました。"
std::string savedText(std::string_view text);

// What a display or compute did to the editor itself.
struct EditorOutcome {
  bool done = false;                 // the line went to the target
  std::string errorLine;             // the error line's text
  int selectChar = -1;               // the field's character to select (a refused one)
  std::optional<std::string> field;  // the field's new text
};

// What "ﾉｰﾄ &N" does.
enum class NoteButtonAction {
  OpenNotebook,  // the notebook opens with the edited text as its new last problem
  CloseEditor,   // the notebook opened the editor and is there: back to it
  AlreadyOpen,   // the notebook is open elsewhere: said so
};

class SikiEditModel {
 public:
  SikiEditModel(CalcState& state, ToolSession& session, SikiEditTarget target);

  const SikiEditTarget& target() const { return target_; }
  std::string openingText() const { return target_.openingText(state_); }

  // 式表示 (Enter): the text before any "#", checked and shown.
  EditorOutcome display(std::string_view field);
  // 計算 (Ctrl+Enter): the text checked, computed (solved with "x", simplified with ":") and
  // shown with its answer column. In base-n mode, converted instead.
  EditorOutcome compute(std::string_view field);
  // The picture: the text checked, put on the calculation screen and solved there by the
  // screen's solve command. False (with the error line in `outcome`) when the checker
  // refused it.
  bool solve(std::string_view field, EditorOutcome& outcome);

  // 退: keeps the field aside.
  void keepAside(std::string_view field);
  // 挿: the saved text to insert, or nothing (after saying so).
  std::optional<std::string> savedForInsert();
  // &Look: the saved text in built-up form.
  void lookSaved();

  NoteButtonAction noteButton(bool notebookOpen) const;

  // Whether the editor may close; an unshown edit asks first.
  bool mayClose(bool modified);
  // The editor closes: restore brings back the screen's line.
  void closed();

  // ｷｰ転用: KEYTENYOU switched; its new state.
  bool switchKeyDiversion();
  bool keyDiversion() const;

 private:
  // The checked text of a field, or nothing (with the error line and selection set).
  std::optional<std::string> checked(std::string_view field, bool cutComment,
                                     EditorOutcome& outcome);
  std::optional<std::string> computedLine(const std::string& s);

  CalcState& state_;
  ToolSession& session_;
  SikiEditTarget target_;
};

}  // namespace ravlo
