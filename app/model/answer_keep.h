#pragma once
// The one-slot answer store of the calculation screen: keep the answer on screen, type it
// back into a new expression, look at it in the small message window. The kept answer
// outlives clears; it lives as long as the calculation state that owns it.
#include <string>
#include <string_view>

namespace ravlo {

class CalcState;

inline constexpr std::string_view kKeepCaption = "ご確認";
inline constexpr std::string_view kKeepBeforeAnswerText =
    "計算後でないと、答を一時保存できません。";
inline constexpr std::string_view kKeepNothingText = "一時保存する答がありません。";
inline constexpr std::string_view kKeptAnswerCaption = "一時保存の答";
inline constexpr int kKeptAnswerShowMs = 3000;

// "CopyAnswer:: < text >を保存しました。"
std::string keptStatusText(std::string_view kept);

// The value of a solved line ‹question&x＝value›: the text after "&x" without its leading
// relation signs, ASCII (< > =) or full-width (＝ ＜ ≦ ＞ ≧) as the solver writes them. Empty
// when the line holds no "&x" or the solver's answer is a word such as "(不定)" rather than
// a value that can be typed.
std::string solvedValue(std::string_view line);

// The line a result shows, with its answer: the line itself, or for a worked solution its
// question, "=" and the answer. Empty while the line is open for input.
std::string computedLine(CalcState& st);

class AnswerKeep {
 public:
  // The kept answer, an encoded expression text; empty until something is kept.
  std::string KeptAnswer;

  // Keeps the answer of the line on screen (or announces the one kept before while a new
  // line is open). True when the status bar announced a kept answer.
  bool CopyAnswer(CalcState& st);
  // Types the kept answer as if its characters were keys; the last JiInput result.
  int PasteAnswer(CalcState& st);
  // Shows the kept answer in built-up form; false when nothing is kept.
  bool ViewAnswer(CalcState& st) const;

 private:
  // The answer a closed line shows: the evaluator's answer of this line, else its last term.
  static std::string answerOfLine(CalcState& st);
};

}  // namespace ravlo
