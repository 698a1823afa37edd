#pragma once
// Prime factorization on the calculation screen: the typed natural number gets "=" and its
// factorization, and the closing lines below say whether it is prime or composite and add up
// its divisors. The work polls the sink's interrupt while SoinsuuAbort is on.
#include <cstdint>
#include <string_view>
#include <vector>

#include "app/model/calc_state.h"

namespace ravlo {

inline constexpr std::string_view kSoinsuuCheckCaption = "◇素因数分解◇";
inline constexpr std::string_view kSoinsuuCheckText =
    "(符号・記号なしで)自然数を入力してください。";
inline constexpr std::string_view kSoinsuuWorkingText = "◆素因数分解の計算中で～す。";
inline constexpr std::string_view kSoinsuuAbortHint = " 《Esc or ｸﾘｯｸで中断することが可能です。》";
inline constexpr std::string_view kSoinsuuNoAbortHint =
    " 《中断したいときは､Ctrl＋Alt＋Deleteで「ラヴロ」を強制終了》";
inline constexpr std::string_view kSoinsuuFailedText = "◆素因数分解に失敗しました！";
inline constexpr std::string_view kSoinsuuDoneText = "◆素因数分解をおこないました。";

inline constexpr Color kSoinsuuSumCaptionColor = 0x000080;
inline constexpr Color kSoinsuuVerdictColor = 0x0000FF;

// The check, then SoinsuuDsp. True when the line now shows a factorization.
bool SoinsuuPre(CalcState& st);
bool SoinsuuDsp(CalcState& st);

// The closing lines for n with `listed` divisors in the sum run `sumRun` adding up to `sum`
// (what YakusuuWa left), waType being the setting WA_TYPE.
std::vector<SoinsuuLine> soinsuuClosingLines(std::int64_t n, int listed, std::int64_t sum,
                                             std::string_view sumRun, int waType);

}  // namespace ravlo
