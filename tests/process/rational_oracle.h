#pragma once
// An exact value for an expression text, computed independently of the engine: 128-bit
// rationals over a small recursive-descent reading of numbers, signs, + - * /, "( )" and
// expression fractions "[ IK D B N ]". Anything it cannot read, or a value that grows past
// 10^30, gives no value.
#include <optional>
#include <string>
#include <string_view>

namespace ravlo::test::exact {

__extension__ typedef __int128 Int128;

struct Rational {
  Int128 num = 0;
  Int128 den = 1;  // > 0, gcd(num, den) = 1
  friend bool operator==(const Rational&, const Rational&) = default;
};

std::optional<Rational> oracleValue(std::string_view text);

// The value written the way the calculator writes a final answer: proper/mixed (‹m2k3b1›) or,
// with improper = true, as an improper fraction whose whole numbers are plain (‹m3b7›, ‹7›).
std::string oracleAnswerText(const Rational& r, bool improper);

std::string toString(const Rational& r);
std::string int128Text(Int128 v);

}  // namespace ravlo::test::exact
