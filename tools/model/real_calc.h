#pragma once
// The real-number calculator (計算ボックス): thirteen functions of 80-bit reals applied to the
// number being prepared in the constants box, whose result goes back into that field.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/message_sink.h"

namespace ravlo {

inline constexpr std::string_view kPaiText = "3.141592653589793238";
inline constexpr std::string_view kExpText = "2.718281828459045235";

inline constexpr std::string_view kRealReportCaption = "報告！";
inline constexpr std::string_view kRealDoneCaption = "報告!!";
inline constexpr std::string_view kRealBadFirstText = "不正な値!";
inline constexpr std::string_view kRealBadText = "不正な値!\n";
inline constexpr std::string_view kArcsinRangeText = "(arcsin) -1≦ｘ≦+1 の範囲の値を入力せよ!";
inline constexpr std::string_view kArccosRangeText = "(arccos) -1≦ｘ≦+1 の範囲の値を入力せよ!";
inline constexpr std::string_view kRealDoneSuffix = "\nを計算しました。";
inline constexpr std::string_view kRealEqual = "＝";
inline constexpr std::string_view kRadianMark = "[rad]";

// The buttons of the calculator, in their order.
enum class RealFunc { Sqrt, Log10, Ln, Inv, Pow, Sin, Cos, Tan, ASin, ACos, ATan, Gcd, Lcm };

struct RealFuncSpec {
  std::string_view cliName;  // the name ravlo-cli knows it by
  std::string_view name;     // component name
  std::string_view caption;
  std::string_view hint;
  std::string_view label;    // the report's label, "%s" for each argument
  std::string_view role;     // what the button is called when read out
  char altKey;               // Alt + this letter runs it in both boxes
  bool pair;                 // takes "A,N" or "X,Y"
  bool radians;              // the result is an angle
};

std::span<const RealFunc> realFuncs();
const RealFuncSpec& realFuncSpec(RealFunc f);
std::optional<RealFunc> realFuncByCliName(std::string_view name);
std::optional<RealFunc> realFuncByAltKey(char letter);

// Every "pai" and "exp" replaced by kPaiText and kExpText.
std::string replacePaiExp(std::string_view text);

// A real: an optional sign, digits with an optional point and an optional exponent, blanks
// around it ignored; +infinity for any other text or a value out of range.
long double RealRead(std::string_view text);

// RealParse: a real, or a quotient of two reals written with "/"; +infinity when the text is
// neither or the divisor is 0.
long double RealParse(std::string_view text);

// The field's form of a result: 18 decimal places without trailing zeros or point; a value
// too long for the field (more than kRealFieldMax characters) in its shortest form instead.
std::string realFieldText(long double x);
// The shortest text that reads back as x.
std::string realShortText(long double x);
inline constexpr std::size_t kRealFieldMax = 37;

struct RealCalcResult {
  enum class Status {
    Nothing,  // the field is empty: only a refresh
    Done,     // field holds the result, report the message
    Failed,   // the failure has been shown; the field stays as it is
  };
  Status status = Status::Nothing;
  std::string field;
  std::string report;  // "label＝result\nを計算しました。"
};

// Applies f to the field's text. Failures are shown through the sink; the report of a
// success is left to the caller.
RealCalcResult RealCalc(RealFunc f, std::string_view field, MessageSink& sink);

}  // namespace ravlo
