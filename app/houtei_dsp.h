#pragma once
// The solve command (解, Ctrl+Q, Ctrl+Enter): the equation, inequality or proportion in x on
// the calculation screen gets its solution in the answer column.
#include <string_view>

#include "app/model/calc_state.h"

namespace ravlo {

inline constexpr std::string_view kHouteiNeedsXText =
    "方程式・不等式では､左辺にｘが必要です。\n\n計算式なら、最後に＝が必要です。";
inline constexpr std::string_view kHouteiSolvedText = "◆方程式or不等式を解きました。";

// HouteiDsp: solves the expression part of InpSiki. On success InpSiki becomes
// expression + "&x" + relation + solution and input is closed; returns true.
bool HouteiDsp(CalcState& st);

}  // namespace ravlo
