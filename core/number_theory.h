#pragma once
// Prime factorization with the divisor sum, fractions as repeating decimals, and the results
// the conversion commands read right after each call.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/base_n.h"
#include "core/message_sink.h"

namespace ravlo {

inline constexpr std::string_view kSoinsuuCaption = "お願い!!";
inline constexpr std::string_view kSoinsuuNotPositive =
    "▼素因数分解▼\n\n正の整数(２の63乗以下)を入力して下さい。";
inline constexpr std::string_view kJunkanCaption = "Report!!";
inline constexpr std::string_view kJunkanTooLong =
    "循環幅が18ケタを超えるので、\n\n循環小数の表示ができません。\n\nしくしく･･･ (^_^)";
inline constexpr std::string_view kJunkanTerminatingTooLong =
    "小数部が18ケタを超えるので、\n\n小数の表示ができません。\n\nしくしく･･･ (^_^)";

class NumberTheory {
 public:
  explicit NumberTheory(MessageSink& sink) : sink_(sink) {}

  // Factorization text of a positive decimal integer ("2^3*3*5^2", "1" for 1), or "n".
  std::string SoinsuuBunkai(std::string_view text);
  // The divisors of a factorization text after 1, joined by "+" with "| +" after every
  // perLine-th entry, then "|=" and their sum ("   1+2+3+4+6|=16"), or "n". withSelf (the
  // setting WA_TYPE) 1 lists the number itself too; perLine is the setting 1GYOU_SUU.
  std::string YakusuuWa(std::string_view factors, int withSelf, int perLine);
  // a/b (0 < a < b) as a decimal with its repeating block after "@" ("0.1@6"), or "n".
  std::string BunToJunS(std::int64_t a, std::int64_t b);

  std::int64_t SoinsuuN = 0;
  std::string SoinsuuStr = "n";
  std::int64_t YakusuuSum = 0;
  std::int32_t YakusuuKazu = 0;
  std::string YakusuuStr = "n";
  // 1 while factorization may be interrupted through the sink's interrupt poll.
  int SoinsuuAbort = 1;

 private:
  MessageSink& sink_;
};

}  // namespace ravlo
