#pragma once
// The worked solutions of the conversion commands: reduce (type 09), decimal to fraction (14),
// repeating decimal to fraction (15), improper fraction to mixed number (17) and back (18).
// Each builder writes raw step entries; the command around it tidies them into ProcText.
#include <string>
#include <string_view>

#include "core/bunsuu64.h"
#include "core/message_sink.h"
#include "process/process_context.h"

namespace ravlo {

class ProcessEngine;

inline constexpr const char* kReportCaption = "報告!!";
inline constexpr const char* kReportCaptionEn = "Report！";
inline constexpr const char* kGohoukokuCaption = "ご報告！";
inline constexpr const char* kNotFractionText = "分数でないので、\n約分できません。";
inline constexpr const char* kNoCommonDivisorText = "公約数がないので、\n約分できません。";
inline constexpr const char* kEnterDecimalText = "小数を入力してください！";
inline constexpr const char* kToFractionFailedText = "分数に直すのに失敗！";
inline constexpr const char* kTuubunFailedText = "◆通分に失敗しました！";
inline constexpr const char* kAlreadyMixedText = "すでに、帯分数の形です。";
inline constexpr const char* kProperFractionText = "真分数(分母＞分子)は、帯分数に直せません。";
inline constexpr const char* kNotMixedText = "与えられた分数が、帯分数ではありません。";

// What a conversion built: the raw entries and the converted number text (the value that
// is appended to the line when the process is not displayed).
struct ConversionSteps {
  bool ok = false;     // false after the command's message: nothing changes
  int type = 0;        // the process type of the entries
  std::string raw;     // "~NNNT=expr..." entries, not yet tidied
  std::string value;   // the converted number text
};

// Reduce the question part of the line (type 09).
ConversionSteps YakuProcDsp(std::string_view line, MessageSink& sink);
// Decimal (or integer) after the last "=" to a fraction (type 14); a repeating decimal goes
// to JunSToBunDsp.
ConversionSteps SyouSToBunDsp(ProcessEngine& engine, std::string_view line);
// Repeating decimal of the question part to a fraction (type 15); without "@" it is
// SyouSToBunDsp. Its common-denominator steps are the sum procedures' own.
ConversionSteps JunSToBunDsp(ProcessEngine& engine, std::string_view line);

// Improper fraction f to mixed number (type 17); currentExpr is the whole current line,
// whose "=" members become lines of their own. "n" after the message when f is proper.
std::string KaToTaiProc(const Bunsuu64& f, std::string_view currentExpr, int henkanYakubun,
                        MessageSink& sink);
// Mixed number f to improper fraction (type 18); "n" after the message when f has no
// integer part.
std::string TaiToKaProc(const Bunsuu64& f, std::string_view currentExpr, int henkanYakubun,
                        MessageSink& sink);

}  // namespace ravlo
