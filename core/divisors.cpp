#include "core/divisors.h"

#include <algorithm>
#include <map>

#include "core/number_theory_read.h"
#include "core/prime_factor.h"

namespace ravlo {
namespace {

bool isDigitText(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::optional<std::vector<std::int64_t>> divisorsOfFactorText(std::string_view factors) {
  if (factors.find_first_not_of("0123456789*^") != std::string_view::npos) return std::nullopt;
  std::map<std::int64_t, std::int64_t> powers;
  std::size_t start = 0;
  while (true) {
    const std::size_t star = factors.find('*', start);
    const std::string_view part =
        factors.substr(start, star == std::string_view::npos ? std::string_view::npos : star - start);
    const std::size_t hat = part.find('^');
    const std::string_view baseText = part.substr(0, hat);
    const std::string_view expText =
        hat == std::string_view::npos ? std::string_view("1") : part.substr(hat + 1);
    if (!isDigitText(baseText) || !isDigitText(expText)) return std::nullopt;
    const auto base = detail::readInt64(baseText);
    const auto exponent = detail::readInt64(expText);
    if (!base || !exponent || *base == 0) return std::nullopt;
    if (*base > 1 && *exponent > 0) {
      // A composite base is taken apart, so that "6*2" lists 2 once and not as 2 and as 6/3.
      const auto primes = factorize64(static_cast<std::uint64_t>(*base));
      if (!primes) return std::nullopt;
      for (const PrimePower& pp : *primes) {
        std::int64_t add = 0;
        std::int64_t& e = powers[static_cast<std::int64_t>(pp.prime)];
        if (__builtin_mul_overflow(*exponent, std::int64_t{pp.exponent}, &add) ||
            __builtin_add_overflow(e, add, &e))
          return std::nullopt;
      }
    }
    if (star == std::string_view::npos) break;
    start = star + 1;
  }

  // The number itself must fit; then every divisor does too.
  std::int64_t number = 1;
  std::size_t count = 1;
  for (const auto& [base, exponent] : powers) {
    for (std::int64_t i = 0; i < exponent; ++i)
      if (__builtin_mul_overflow(number, base, &number)) return std::nullopt;
    count *= static_cast<std::size_t>(exponent) + 1;  // exponent < 63 here
    if (count > kMaxDivisorCount) return std::nullopt;
  }

  std::vector<std::int64_t> divisors{1};
  divisors.reserve(count);
  for (const auto& [base, exponent] : powers) {
    const std::size_t previous = divisors.size();
    std::int64_t power = 1;
    for (std::int64_t i = 0; i < exponent; ++i) {
      power *= base;
      for (std::size_t k = 0; k < previous; ++k) divisors.push_back(divisors[k] * power);
    }
  }
  std::sort(divisors.begin(), divisors.end());
  return divisors;
}

}  // namespace ravlo
