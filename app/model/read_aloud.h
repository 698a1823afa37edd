#pragma once
// The read-aloud command (読R, menu 式を読み上げる, R, Alt+R): the current line, read as a
// whole. A worked solution on screen is not read; the learner is told how to leave it.
#include <string_view>

#include "app/model/calc_state.h"

namespace ravlo {

inline constexpr std::string_view kReadAloudCaption = "報告!!";
inline constexpr std::string_view kReadAloudInProcessText =
    "過程式表示ﾓｰﾄﾞでは､読み上げを行いません｡\n\n<Ｆ５>ｷｰを押して､計算ﾓｰﾄﾞにしてください。";

// koeEnabled: the 読R button is enabled. Returns true when the line went to the voice.
bool ReadAloud(CalcState& st, bool koeEnabled);

}  // namespace ravlo
