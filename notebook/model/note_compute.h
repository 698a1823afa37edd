#pragma once
// Computing the notebook's problems and writing the answers back into the document:
// "選択式を計算" (the selected problem) and "ノート全部を計算" (every problem in turn). Each
// problem goes to the linear solver when it holds "x", to the ratio simplification when it
// holds ":", otherwise to the evaluator with the answer forms of the settings
// (AnsForm = ANSSYU + 4 × SYOUDSP, read at the moment of computing). Questions and reports
// go through the MessageSink; a problem that cannot be answered keeps its old text.
//
// Stored problem forms after computing:
//   ‹3b2+1=1k3b2&1k3b2›  question "=" answer "&" answer (answer = the evaluator's chain)
//   ‹4:6=2:3&2:3›        a ratio, simplified
//   ‹2x+3=7&x＝2›        an equation or inequality, with the solver's answer
#include <string>
#include <string_view>
#include <vector>

#include "app/model/calc_settings.h"
#include "core/bunsuu_h.h"
#include "core/message_sink.h"
#include "core/number_text.h"
#include "expr/bracket_tidy.h"
#include "expr/evaluator.h"
#include "expr/inp_check_state.h"
#include "notebook/model/note_doc.h"
#include "notebook/model/note_view.h"

namespace ravlo {

inline constexpr std::string_view kNoteReportCaption = "ご報告！";
inline constexpr std::string_view kNoteComputeSelectText =
    "答を書き換えたい式を選択してください。";
inline constexpr std::string_view kNoteComputeConfirmText =
    "選択問題の答えを書き換えます。\n\nそれでもいいですか？";
inline constexpr std::string_view kNoteComputeAllConfirmText =
    "答えをすべて書き換えます。\n\nそれでもいいですか？";
// "%d" are, in order: problem number, character position, checker error number; "%s" the
// checker's message for that number.
inline constexpr std::string_view kNoteCheckFailSelectedText =
    "[%d 問:%d 字目][ｴﾗｰ値%d]%s\n\n編集し直してから再計算をせよ。";
inline constexpr std::string_view kNoteCheckFailAllText =
    "[%d 問:%d 字目][ｴﾗｰ値%d]%s\n\n編集し直してから再計算してください。";
inline constexpr std::string_view kNoteUnsolvedText = "[ %d 問目]は､解けませんでした。";
inline constexpr std::string_view kNoteUncomputedText = "[ %d 問目]は､計算できませんでした。";

// What the last compute did, problem by problem (numbers from 1).
struct NoteComputeReport {
  std::vector<int> answered;    // now hold their answer
  std::vector<int> refused;     // the input checker refused them
  std::vector<int> unsolved;    // the solver could not solve them
  std::vector<int> uncomputed;  // the evaluator or the ratio simplification failed
  bool cancelled = false;       // the learner said Cancel to the confirmation
};

class NoteCompute {
 public:
  // The settings are read at each compute (ANSSYU, SYOUDSP), so a changed setting applies
  // to the next compute without telling this object.
  NoteCompute(NoteDoc& doc, MessageSink& sink, const CalcSettings& settings);
  NoteCompute(const NoteCompute&) = delete;
  NoteCompute& operator=(const NoteCompute&) = delete;

  void setView(NoteView* view) { view_ = view ? view : &noView_; }

  // 選択式を計算: with no selection says so; takes the undo snapshot, asks (OK/Cancel), and
  // answers the selected problem. The checker looks only up to the first "=". A refusal is
  // reported with the problem's number; a problem the solver or evaluator cannot answer is
  // left as it was after their own message. True when the problem got its answer (the
  // change flag is then set and the page redrawn).
  bool computeSelected();

  // ノート全部を計算: asks first (unless askFirst is false, as on the command line), takes the
  // undo snapshot and answers every problem in turn. Each problem that cannot be answered is
  // reported with its number and keeps its text; the batch goes on. Empty problems are
  // skipped. False only when the learner cancelled; the change flag is set and the page
  // redrawn otherwise.
  bool computeAll(bool askFirst = true);

  const NoteComputeReport& lastReport() const { return report_; }

 private:
  // Kept: a ratio that is already as simple as it gets; the simplification has said so.
  enum class Outcome { Answered, Refused, Unsolved, Uncomputed, Kept, Empty };
  Outcome computeOne(int number, bool wholeCheck, std::string_view checkFailText,
                     std::string& result);
  std::string checkFailMessage(std::string_view format, int number, std::size_t position) const;
  int ansForm() const { return settings_.ANSSYU + 4 * settings_.SYOUDSP; }

  NoteDoc& doc_;
  MessageSink& sink_;
  const CalcSettings& settings_;
  NoteView noView_;
  NoteView* view_ = &noView_;
  NoteComputeReport report_;

  // The engine's modules, the notebook's own: computing never disturbs the calculation
  // screen's results.
  NumberText numberText_;
  BunsuuHContext bunsuuH_;
  InpCheckState checker_;
  InpCheckState evalCheck_;
  KakkoContext kakko_;
  Evaluator evaluator_;
};

}  // namespace ravlo
