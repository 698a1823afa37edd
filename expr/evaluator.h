#pragma once
// The expression evaluator: computes a question in the encoded text exactly by rewriting the
// text (special operators first, then the innermost bracket, then one binary operation at a
// time), and writes the answer chain. Results that callers read right after a call are public
// members, under the names the rest of the program uses.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/bunsuu64.h"
#include "core/bunsuu_h.h"
#include "core/message_sink.h"
#include "core/number_text.h"
#include "expr/bracket_tidy.h"
#include "expr/inp_check_state.h"

namespace ravlo {

// CalcStatus values.
inline constexpr int kCalcOk = 1;
inline constexpr int kCalcNoOperator = -1;
inline constexpr int kCalcBracketMismatch = -2;
inline constexpr int kCalcPermCombFailed = -3;
inline constexpr int kCalcFactorialFailed = -4;
inline constexpr int kCalcFractionFailed = -5;
inline constexpr int kCalcNotComputable = -6;

inline constexpr const char* kCalcReportCaption = "ご報告！";
// The message of a CalcStatus below 0; "" for any other value.
const char* calcStatusMessage(int status);

inline constexpr const char* kOverflowCaption = "報告！";
inline constexpr const char* kOverflowText = "ｴﾗｰ::ｵｰﾊﾞｰﾌﾛｰ等";
inline constexpr const char* kZeroDivideCaption = "報告!!";
inline constexpr const char* kZeroDivideText = "★ｴﾗｰ << ０による除算 >>";
inline constexpr const char* kBunHCalcCaption = "警告!! <bunHCalc>";
inline constexpr const char* kBunHCalcText =
    "[　] 内が､｢帯分数でかつ分数部の符号が負｣となる\n\n定義不能ｴﾗｰを発生しました。";
inline constexpr const char* kRatioCaption = "報告!";
inline constexpr const char* kRatioFrontZeroText = "前項が 0 なので､比を簡単にできません。";
inline constexpr const char* kRatioBackZeroText = "後項が 0 なので､比を簡単にできません。";
inline constexpr const char* kRatioSimplestText = "これ以上簡単にできません。";

class Evaluator {
 public:
  // The evaluator uses, and leaves its results in, the checker's and the bracket tidying's
  // contexts and the number-text and expression-fraction modules handed to it.
  Evaluator(MessageSink& sink, NumberText& numberText, BunsuuHContext& bunsuuH,
            InpCheckState& checker, KakkoContext& kakko)
      : sink_(sink), numberText_(numberText), bunsuuH_(bunsuuH), checker_(checker),
        kakko_(kakko) {}

  // Results of the last SikiCalc / SikiEval.
  int CalcStatus = kCalcOk;
  Bunsuu64 EvalResult = kBunZero;
  Bunsuu64 AnsTai = kBunZero;  // the answer reduced, in proper/mixed form
  Bunsuu64 AnsKa = kBunZero;   // the same in improper form
  std::string AnsTaiStr;
  std::string AnsKaStr;   // an improper whole number shortened to the integer ("7", not "1b7")
  std::string AnsSyoStr;  // the decimal, ending in "u" when it is cut off
  int SyoAnsOK = 0;       // 1 while the decimal form may be shown

  // The answer chain of a question (answer forms code = ANSSYU + 4 × SYOUDSP), prefixed with
  // the question when withQuestion is 1. On failure: CalcStatus < 0, a message, and the input
  // text unchanged.
  std::string SikiCalc(std::string_view expr, int ansForms, int withQuestion);
  // 1 with EvalResult set, or a negative number.
  int SikiEval(std::string_view expr);
  // An expression without brackets: 1 with result set, -1 not an expression, -5 an operation
  // gave the invalid value.
  int FlatSikiEval(std::string_view text, Bunsuu64& result);
  // One operation "left op right"; the invalid value on failure.
  Bunsuu64 OpCalc(std::string_view opText);

  // Every "P" and "C", every "!", every "[ ]" replaced by its value; "n" on failure.
  std::string JunKumiSyori(std::string_view text);
  std::string KaijouSyori(std::string_view text);
  std::string SikiBunSyori(std::string_view text);
  // n!, or -1 after the product message when it passes the bound.
  int64_t KaijouKeisan(int64_t n);
  // nPr and nCr as decimal text, or "n".
  std::string JunretuKeisan(int64_t n, int64_t r);
  std::string KumiawaseKeisan(int64_t n, int64_t r);
  // The value of an expression fraction; invalid on failure.
  Bunsuu64 bunHCalc(const BunsuuH& h);

  // The simplified ratio of "a:b" ("4:6" gives "2:3"), with the question when withQuestion is
  // 1; "n" on failure.
  std::string HiKantan(std::string_view expr, int withQuestion);

  MessageSink& sink() { return sink_; }

 private:
  std::string fail(int status, std::string_view expr);
  // The checker's verdict on a whole text in relaxed sign mode, "×" omission allowed, a
  // refusal reported; the converted text is left in the checker.
  bool checksRelaxed(std::string_view text);
  std::string answerChain(std::string_view expr, int ansForms, int withQuestion);
  bool factorialOperand(std::string_view text, size_t bang, size_t& start, int64_t& operand);
  bool ratioTermIsZero(const std::string& term);

  MessageSink& sink_;
  NumberText& numberText_;
  BunsuuHContext& bunsuuH_;
  InpCheckState& checker_;
  KakkoContext& kakko_;
};

// Drops each answer form that repeats the one before it ("a=2=2=3" becomes "a=2=3"), and a
// trailing "=".
std::string AnsDedupe(std::string_view chain);

}  // namespace ravlo
