#pragma once
// The divisors of a number given by its factorization text ("2^3*3*5^2").
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace ravlo {

// No number below 2^63 has more divisors than this (897612484786617600 has 103680); a text
// that asks for more is refused rather than listed.
inline constexpr std::size_t kMaxDivisorCount = 1u << 20;

// All divisors, ascending. Refused (nullopt): characters other than digits, "*" and "^", an
// empty factor or exponent, a base of 0, or a number beyond the int64 range. A base of 1 adds
// nothing, a composite base counts as its prime factors, and a prime given twice has its
// exponents added.
std::optional<std::vector<std::int64_t>> divisorsOfFactorText(std::string_view factors);

}  // namespace ravlo
