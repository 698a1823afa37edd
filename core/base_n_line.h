#pragma once
// The base-n conversion line typed in base-n mode: "255>(16" (decimal to base 16),
// "11(2" (base 2 to decimal), "12(3>5" (base 3 to base 5); closing ")" may be typed or not.
#include <string>
#include <string_view>

#include "core/message_sink.h"

namespace ravlo {

inline constexpr std::string_view kNsinCaption = "ｎ進法の変換！";
// Shown when base-n mode is entered.
inline constexpr std::string_view kNsinModeHelp =
    "◇書式◇\n\n　1232(n) ････ｎ進数の1234を10進数にする\n　1232>(n) ････10進数の1234をｎ進数にする\n"
    "　1232(n>m) ････ｎ進数の1234をｍ進数にする";
// Shown when a conversion line fails.
inline constexpr std::string_view kNsinFormatHelp =
    "◇書式◇\n\n　1232(n) ････ｎ進数の1234を10進数にする\n　1232>(n) ････10進数の1234をｎ進数にする\n"
    "　1232(n>m) ････ｎ進数の1234をｍ進数にする\n　＊最後の ） は省略可";

struct NsinLine {
  enum class Outcome {
    Nothing,    // empty, or the line already holds "=": left as it is
    Converted,  // `line` is the result, e.g. "255(10)=FF(16)"
    Failed,     // the format help has been shown
  };
  Outcome outcome = Outcome::Nothing;
  std::string line;
};

// Converts the line; a failure of any kind shows kNsinFormatHelp titled kNsinCaption.
NsinLine NsinHenkanLine(std::string_view text, MessageSink& sink);

}  // namespace ravlo
