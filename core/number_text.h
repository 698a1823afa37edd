#pragma once
// Reading number texts (integers, fractions, mixed numbers, decimals, repeating decimals) into
// Bunsuu64 values and writing values as decimals. Failures give the invalid value or "n"; a
// digit text out of the int64 range shows the int64StrMaxCheck message.
#include <string>
#include <string_view>

#include "core/bunsuu64.h"
#include "core/message_sink.h"
#include "core/text_helpers.h"

namespace ravlo {

inline constexpr const char* kInt64CheckCaption = "警告!!";

// The stateless readers, for code that holds only a sink.
bool int64StrMaxCheck(std::string_view text, bool show, MessageSink& sink);
Bunsuu64 StrToBun(std::string_view text, MessageSink& sink);
Bunsuu64 SyoToBun(std::string_view text, MessageSink& sink);
Bunsuu64 JunSToBun(std::string_view text, MessageSink& sink);
// Decimal text of f with at most 18 places ("m" for negative, "n" for invalid); `terminates`
// receives whether the decimal ends.
std::string BunToSyoStr(const Bunsuu64& f, bool& terminates, MessageSink& sink);

// The number-text module: the readers plus the results that callers read right after a call.
class NumberText {
 public:
  explicit NumberText(MessageSink& sink) : sink_(sink) {}

  // Set by BunToSyoStr: 1 when the decimal terminates, 0 when it repeats.
  int SyoOwariFlag = 1;
  // What the last AnnoCut cut off: the text after the first "&" ("" when there was none).
  std::string AnnoText;

  Bunsuu64 StrToBun(std::string_view text) { return ravlo::StrToBun(text, sink_); }
  Bunsuu64 SyoToBun(std::string_view text) { return ravlo::SyoToBun(text, sink_); }
  Bunsuu64 JunSToBun(std::string_view text) { return ravlo::JunSToBun(text, sink_); }
  std::string BunToSyoStr(const Bunsuu64& f);
  bool int64StrMaxCheck(std::string_view text, bool show) {
    return ravlo::int64StrMaxCheck(text, show, sink_);
  }
  // The text before the first "&"; the rest goes to AnnoText.
  std::string AnnoCut(std::string_view text);
  // AnnoCut when the text holds "x", else SikiCutAns.
  std::string SikiCutAnsX(std::string_view text, bool keepEq);
  // 0 integer, 1 decimal, 2 repeating decimal, -1 fraction or unreadable.
  int SuuSyurui(std::string_view text);
  // True when numerator and denominator share a factor > 1.
  bool YakuKanou(std::string_view text);

  MessageSink& sink() { return sink_; }

 private:
  MessageSink& sink_;
};

}  // namespace ravlo
