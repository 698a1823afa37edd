#pragma once
// DainyuuSiki: a literal expression in x, y and z with values put in for the variables, as the
// substitution box (数値代入ボックス) builds it.
#include <optional>
#include <string>
#include <string_view>

namespace ravlo {

class MessageSink;

inline constexpr std::string_view kDainyuuWarnCaption = "ご注意！";
inline constexpr std::string_view kDainyuuNoVariableText =
    "文字式に 変数 x､y､z が一つもありません。\n\nいいですか？";
inline constexpr std::string_view kDainyuuMissingSuffix = "に値が代入されていません。";

struct DainyuuValues {
  std::string x;
  std::string y;
  std::string z;
};

// The expression with the values in, or nothing when the substitution ended early: a variable
// without a value (said in a box, e.g. "x z に値が代入されていません。"), or an expression
// without variables that the learner did not want to go on with (asked in a box).
//
// A "#" starts a comment, which is dropped; "pai" is paiStr. Omitted products are written out
// ("2x" is "2*x", "3(x+1)" is "3*(x+1)", "xy" is "x*y"), a value that starts with "-" is put in
// brackets, and so is a fraction raised to a power ("x^2" with x = 3b2 is "(3b2)^2").
std::optional<std::string> DainyuuSiki(std::string_view expr, const DainyuuValues& values,
                                       std::string_view paiStr, MessageSink& sink);

}  // namespace ravlo
