#pragma once
// Checked reading of a decimal int64 text for the number-theory routines: an optional sign
// and decimal digits, nothing else; out-of-range texts are refused, never wrapped.
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

namespace ravlo::detail {

inline std::optional<std::int64_t> readInt64(std::string_view text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (text.empty() || text.front() == '-') return std::nullopt;
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  auto [p, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || p != end) return std::nullopt;
  return value;
}

}  // namespace ravlo::detail
