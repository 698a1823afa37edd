#pragma once
// The worked-solution engine: classifies a question, runs the classroom procedure of its type
// and leaves the step lines in the context's ProcText. The procedures of one process share the
// context's slots; the engine keeps its own number-text, bracket and evaluator state so the
// program's main evaluator results are not disturbed by the intermediate sums.
#include <string>
#include <string_view>

#include "core/bunsuu64.h"
#include "core/message_sink.h"
#include "core/number_text.h"
#include "expr/bracket_tidy.h"
#include "process/process_context.h"
#include "process/proc_calc.h"

namespace ravlo {

inline constexpr const char* kTuubunFailCaption = "報告!!";
inline constexpr const char* kTuubunFailText = "◆通分に失敗しました！";
inline constexpr const char* kZeroDivideProcCaption = "注意!!";
inline constexpr const char* kZeroDivideProcText = "０で割ることは許されません！";
inline constexpr const char* kInt64OverCaption = "Warning!!";
inline constexpr const char* kInt64OverText = "int64 Over...";

// What BunCheck finds in one value.
struct BunCheckFlags {
  bool zeroDenominator = false;
  bool hasInteger = false;   // integer part is not 0
  bool improper = false;     // numerator >= denominator
  bool reducible = false;    // gcd(numerator, denominator) > 1; only for a non-zero numerator
  bool divisible = false;    // numerator mod denominator is 0
};
BunCheckFlags BunCheck(const Bunsuu64& f);

class ProcessEngine {
 public:
  ProcessEngine(ProcessContext& ctx, MessageSink& sink);
  ProcessEngine(const ProcessEngine&) = delete;
  ProcessEngine& operator=(const ProcessEngine&) = delete;

  // Builds ProcText and ProcType for the question expr (the text before its first "=").
  // 1: a process was built. 0: none (ProcOK tells whether an error was already reported).
  // Once asked to (doIt, no ratio), the caller closes its input line whatever the result.
  // Types 10 and above are handed to runProductProcess (process/product_process.h): it
  // returns 1 when its ProcText is to be shown (also after a reported division by zero), 0
  // to decline; after fail() the process is dropped with ProcOK = 0.
  int CalcProcMake(std::string_view expr, bool doIt);
  // Flips BetsukaiMode and builds the process of expr again; returns the new mode.
  int BetsukaiSwitch(std::string_view expr);

  // Appends the final-answer entries for the single number E; see the return codes in the
  // implementation (-1 nothing appended, 0..5 which form was written).
  int ProcAnsFinish(std::string_view E);
  // The reducible fraction terms of the sum E (-999 for a zero denominator); with mode 1 a
  // positive count becomes -1 when all denominators are equal. Sets sums.BunboChigau.
  int YakubunKazu(std::string_view E, int mode);
  // E with every reducible term reduced; sums.YakubunSikiKazu counts them.
  std::string YakubunSiki(std::string_view E);
  static int KousuuCount(std::string_view E);
  static int InsuuCount(std::string_view E);

  // Sum procedures.
  std::string TuubunSiki(std::string_view E);
  std::string BunboMatome(std::string_view E, bool bracketNeg);
  std::string SeisuuBunri(std::string_view E);
  std::string TaiToKaAll(std::string_view E);
  std::string KaToTaiAll(std::string_view E);
  std::string SyousuuToBunAll(std::string_view E);
  // Integer-and-fraction procedures.
  std::string SeisuuTuubun(std::string_view E);
  std::string SeisuuBunriKeisan(std::string_view E);

  // The value of a flat expression in proper/mixed form ("m1", "3k12b7"), as the evaluator
  // writes answer form 0; a single number comes back in that form too. "n" on failure, which
  // also stops the process.
  std::string calc(std::string_view X);
  // Reads a number text; quiet once the process has failed, so one fault gives one message.
  Bunsuu64 bun(std::string_view text);
  // Appends an entry to ProcText.
  void entry(int advice, char tag, std::string_view X) { appendEntry(ctx_.ProcText, advice, tag, X); }
  // The text after the last "=" of ProcText.
  std::string lastExpression() const;
  // "０で割ることは許されません！": a product's division by zero, reported; the product
  // process then finishes with what it holds.
  void reportZeroDivision() {
    sink_.box(kZeroDivideProcCaption, kZeroDivideProcText, BoxButtons::Ok);
  }
  // Marks the process as stopped on an error already reported to the user.
  void fail() { failed_ = true; }
  std::string failText() {
    fail();
    return kFailText;
  }
  bool failed() const { return failed_; }

  ProcessContext& context() { return ctx_; }
  MessageSink& sink() { return sink_; }
  NumberText& numberText() { return numberText_; }
  KakkoContext& kakko() { return kakko_; }

 private:
  void runSumProcess(std::string E, int type);
  bool commonDenominatorProcedure(std::string E);
  bool groupProcedure(std::string E);
  void tuubunFailure();
  // Appends a procedure's output; a bare expression becomes a line of its own.
  void appendOutput(std::string_view out);
  MessageSink& quietSinkOr();

  ProcessContext& ctx_;
  MessageSink& sink_;
  NullSink quiet_;
  NumberText numberText_;
  KakkoContext kakko_;
  ProcCalc calc_;
  std::string question_;  // the question given to CalcProcMake
  bool failed_ = false;
};

}  // namespace ravlo
