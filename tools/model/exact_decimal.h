#pragma once
// Decimals as digit strings: the exact expansion of a binary long double (it always ends) and
// rounding to a decimal place, so the calculator's digits come from the value alone and not
// from a C library's printf, which in WebAssembly prints long double as a double.
#include <string>

namespace ravlo {

// digits × 10^exponent; digits without leading or trailing zeros, none for 0.
struct Decimal {
  std::string digits;
  long long exponent = 0;
  // The place of the first digit plus one: 10^(top-1) <= value < 10^top.
  long long top() const { return static_cast<long long>(digits.size()) + exponent; }
};

// digits (any, with zeros anywhere) × 10^exponent.
Decimal decimalFrom(std::string digits, long long exponent);

// |x| exactly; x finite.
Decimal exactDecimal(long double x);

// d rounded to a multiple of 10^place, ties to even.
Decimal roundedAt(const Decimal& d, long long place);

// d + 10^place, d a multiple of 10^place.
Decimal plusUnitAt(Decimal d, long long place);

// -1, 0 or 1 as a < b, a == b, a > b.
int compare(const Decimal& a, const Decimal& b);

}  // namespace ravlo
