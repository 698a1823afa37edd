#pragma once
// Shared helpers of the core tests: readable records in failure output and message checks.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/bunsuu64.h"
#include "core/bunsuu_h.h"
#include "core/message_sink.h"

namespace ravlo {

inline void PrintTo(const Bunsuu64& f, std::ostream* os) {
  *os << "{" << static_cast<int>(f.sign) << ", " << f.integer << ", " << f.denominator << ", "
      << f.numerator << "}";
}

inline void PrintTo(const BunsuuH& h, std::ostream* os) {
  *os << "{" << h.sign << ", " << h.integer << ", " << h.denominator << ", " << h.numerator
      << "}";
}

inline constexpr int64_t kL = kInt64Bound;

// "caption|text" of every box, in order.
inline std::vector<std::string> boxTexts(const RecordingSink& sink) {
  std::vector<std::string> out;
  for (const auto& e : sink.boxes()) out.push_back(e.caption + "|" + e.text);
  return out;
}

inline std::string warning(const char* text) { return std::string(kWarningCaption) + "|" + text; }
inline const std::string kSumMsg = warning(kSumOverflowText);
inline const std::string kMulMsg = warning(kProductOverflowText);
inline const std::string kZeroMsg = warning(kZeroFactorText);
inline const std::string kDebugMsg = std::string(kDebugCaption) + "|" + kZeroDenominatorText;

}  // namespace ravlo
