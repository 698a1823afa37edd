#pragma once
// The substitution box (数値代入ボックス) without its window: computing the substituted
// expression on the calculation screen, and looking at the literal expression.
#include <string>
#include <string_view>

namespace ravlo {

class CalcState;
class MessageSink;

inline constexpr std::string_view kDainyuuCaption =
    "■数値代入ボックス■【文字式に数値を代入＆転送】";
inline constexpr std::string_view kDainyuuComputeCaption = "注意!!";
inline constexpr std::string_view kDainyuuLookCaption = "式の分数形表示";
inline constexpr int kDainyuuLookMs = 8000;
inline constexpr std::string_view kDainyuuLookRefusedCaption = "お知らせ!";
inline constexpr std::string_view kDainyuuLookRefusedText =
    "xyzと！,P,Cとの組合せはLookできません。";
// The box stands this far below the main window's top and left of its right edge.
inline constexpr int kDainyuuTopGap = 200;
inline constexpr int kDainyuuRightGap = 500;

// "01::(確認)ｴﾗｰ桁(1～)=p"
std::string dainyuuErrorText(std::size_t position);

struct DainyuuComputed {
  bool drawn = false;         // the computed line is on the screen, finished
  std::size_t errorPosition = 0;  // the checker refused the substituted text here (from 1)
};

// 計算: the substituted text checked and computed (a ratio simplified) as a line of the
// calculation screen.
DainyuuComputed DainyuuCompute(CalcState& st, std::string_view substituted);

// &Look: the literal expression of the field in built-up form, its comment after it.
void DainyuuLook(std::string_view field, std::string_view paiStr, MessageSink& sink);

}  // namespace ravlo
