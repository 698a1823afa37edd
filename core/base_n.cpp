#include "core/base_n.h"

#include <algorithm>
#include <cstdint>

#include "core/number_theory_read.h"

namespace ravlo {
namespace {

constexpr std::string_view kDigits = "0123456789ABCDEF";

bool baseInRange(int n) { return n >= 2 && n <= 16; }

}  // namespace

std::string NsinToJu(std::string_view text, int n) {
  if (!baseInRange(n) || text.empty()) return "n";
  std::int64_t value = 0;
  for (char c : text) {
    const std::size_t digit = kDigits.find(c);
    if (digit == std::string_view::npos || digit >= static_cast<std::size_t>(n)) return "n";
    if (__builtin_mul_overflow(value, n, &value) ||
        __builtin_add_overflow(value, static_cast<std::int64_t>(digit), &value))
      return "n";
  }
  return std::to_string(value);
}

std::string JuToNsin(std::string_view text, int m) {
  const std::int64_t value = detail::readInt64(text).value_or(-1);
  if (value < 0 || !baseInRange(m)) return "n";
  std::string digits;
  std::int64_t rest = value;
  do {
    digits += kDigits[static_cast<std::size_t>(rest % m)];
    rest /= m;
  } while (rest > 0);
  std::reverse(digits.begin(), digits.end());
  return digits;
}

std::string NsinToMsin(std::string_view text, int n, int m) {
  const std::string decimal = NsinToJu(text, n);
  if (decimal == "n") return "n";
  return JuToNsin(decimal, m);
}

}  // namespace ravlo
