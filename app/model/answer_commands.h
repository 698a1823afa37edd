#pragma once
// The number conversions of the calculation screen on the current line: the answer as a
// decimal (小S), as a mixed number (帯T), as an improper fraction (仮K), reduce, decimal to
// fraction, and fraction <-> repeating decimal. Each returns true when it changed the line;
// the line is then closed for input. Messages go through the state's sink.
#include <string_view>

#include "app/model/calc_state.h"

namespace ravlo {

inline constexpr std::string_view kAlreadyMixedShownText = "すでに､帯分数の形です。";
inline constexpr std::string_view kAlreadyMixedShownCaption = "ご報告！";

bool AnswerAsDecimal(CalcState& st);
bool AnswerAsMixed(CalcState& st);
bool AnswerAsImproper(CalcState& st);
// YakuProcDsp on the line.
bool ReduceLine(CalcState& st);
// SyouSToBunDsp on the line.
bool DecimalToFraction(CalcState& st);
// The last term decides: a repeating decimal becomes a fraction, a fraction a repeating
// decimal; anything else is left alone.
bool JunkanSyori(CalcState& st);

}  // namespace ravlo
