#pragma once
// The conversion commands of the calculation screen on the current line: answer as decimal,
// as mixed number, as improper fraction, reduce, decimal to fraction, repeating decimal to
// fraction and fraction to repeating decimal. With the process display on (PROCDSP) the
// process conversions leave their worked solution in ProcText; otherwise the converted value
// is appended to the line.
#include <optional>
#include <string>
#include <string_view>

#include "core/message_sink.h"
#include "core/number_theory.h"
#include "process/process_context.h"

namespace ravlo {

enum class ConversionKind { Yaku, Syou, Junkan, Tai, Ka, JunkanOf, Decimal };

// The command-line names: yaku, syou, junkan, tai, ka, junkan-of, decimal.
std::optional<ConversionKind> conversionKindFromName(std::string_view name);

inline constexpr const char* kAfterCutDecimalTaiText = "…表示の小数の後は､ご遠慮を。";
inline constexpr const char* kAfterCutDecimalKaText = "…表示の小数の後はご遠慮してね。";
inline constexpr const char* kAfterCutDecimalKaCaption = "Debug";
inline constexpr const char* kFirstToFractionFailedText = "まず分数に直すのに失敗！";
inline constexpr const char* kIntegerNotRepeatingText = "整数は循環小数に直せない。";
inline constexpr const char* kYakuStatus = "◆約分の過程を表示しました。";
inline constexpr const char* kSyouStatus = "◆小数を分数になおしました。";
inline constexpr const char* kJunkanStatus = "◆循環小数を分数になおしました。";
inline constexpr const char* kJunkanOfStatus = "◆分数を循環小数になおしました。";
inline constexpr const char* kDividesNote = "【割り切れました】";
inline constexpr const char* kNotDividesNote = "【割り切れません】";

struct ConversionResult {
  bool done = false;      // false: nothing changed (after the command's message, if any)
  std::string line;       // the line afterwards
  bool processBuilt = false;  // ProcText and ProcType now hold the conversion's process
  std::string note;       // the decimal command's note under the answer ("" for the others)
};

class ConversionCommands {
 public:
  ConversionCommands(ProcessContext& ctx, MessageSink& sink, NumberTheory& numberTheory)
      : ctx_(ctx), sink_(sink), numberTheory_(numberTheory) {}

  // Runs one command on the current line (InpSiki); messages and status texts go to the sink.
  ConversionResult run(ConversionKind kind, std::string_view line);

 private:
  ConversionResult decimal(std::string_view line);
  ConversionResult toMixed(std::string_view line);
  ConversionResult toImproper(std::string_view line);
  ConversionResult reduce(std::string_view line);
  ConversionResult decimalToFraction(std::string_view line, bool repeating);
  ConversionResult toRepeating(std::string_view line);
  ConversionResult showProcess(std::string raw, int type, bool append);

  ProcessContext& ctx_;
  MessageSink& sink_;
  NumberTheory& numberTheory_;
};

}  // namespace ravlo
