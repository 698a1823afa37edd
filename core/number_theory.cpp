#include "core/number_theory.h"

#include "core/bunsuu64.h"
#include "core/divisors.h"
#include "core/number_theory_read.h"
#include "core/prime_factor.h"
#include "core/repeating_decimal.h"

namespace ravlo {

std::string NumberTheory::SoinsuuBunkai(std::string_view text) {
  SoinsuuStr = "n";
  const auto value = detail::readInt64(text);
  if (!value) return SoinsuuStr;
  SoinsuuN = *value;
  if (*value <= 0) {
    sink_.box(kSoinsuuCaption, kSoinsuuNotPositive);
    return SoinsuuStr;
  }
  const auto factors = factorize64(static_cast<std::uint64_t>(*value), [this] {
    return SoinsuuAbort == 1 && sink_.interruptRequested();
  });
  if (factors) SoinsuuStr = factorizationText(*factors);
  return SoinsuuStr;
}

std::string NumberTheory::YakusuuWa(std::string_view factors, int withSelf, int perLine) {
  YakusuuStr = "n";
  const auto divisors = divisorsOfFactorText(factors);
  if (!divisors) return YakusuuStr;
  const std::size_t count = divisors->size();
  std::string text = "   1+";
  std::int64_t sum = 1;
  // 1 is both the first divisor and the number itself; it is listed once either way.
  const std::size_t listed = (withSelf != 0 || count == 1) ? count : count - 1;
  for (std::size_t j = 1; j < listed; ++j) {
    const std::int64_t d = (*divisors)[j];
    text += std::to_string(d);
    text += (perLine > 0 && (j + 1) % static_cast<std::size_t>(perLine) == 0) ? "| +" : "+";
    if (!Int64AddCheck(sum, d, sink_)) return YakusuuStr;
    sum += d;
  }
  text.pop_back();
  while (!text.empty() && text.back() == ' ') text.pop_back();
  if (!text.empty() && text.back() == '|') text.pop_back();
  text += "|=" + std::to_string(sum);
  YakusuuSum = sum;
  YakusuuKazu = static_cast<std::int32_t>(listed);
  YakusuuStr = text;
  return YakusuuStr;
}

std::string NumberTheory::BunToJunS(std::int64_t a, std::int64_t b) {
  const RepeatingDecimal result = repeatingDecimal(a, b);
  switch (result.kind) {
    case RepeatingDecimal::Kind::Terminating:
    case RepeatingDecimal::Kind::Repeating:
      return result.text;
    case RepeatingDecimal::Kind::TooLong:
      sink_.box(kJunkanCaption, kJunkanTooLong);
      break;
    case RepeatingDecimal::Kind::TerminatingTooLong:
      sink_.box(kJunkanCaption, kJunkanTerminatingTooLong);
      break;
    case RepeatingDecimal::Kind::Invalid:
      break;
  }
  return "n";
}

}  // namespace ravlo
