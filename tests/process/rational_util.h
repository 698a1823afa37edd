#pragma once
// Helpers of the process tests: an exact rational independent of the engine's arithmetic,
// and reading the final answer out of a process text.
#include <cstdint>
#include <string>
#include <string_view>

namespace ravlo::test {

__extension__ typedef __int128 Int128;

struct Rational {
  Int128 num = 0;
  Int128 den = 1;
};

inline Int128 gcd128(Int128 a, Int128 b) {
  if (a < 0) a = -a;
  if (b < 0) b = -b;
  while (b != 0) {
    const Int128 r = a % b;
    a = b;
    b = r;
  }
  return a;
}

inline Rational normalized(Rational r) {
  if (r.den < 0) {
    r.num = -r.num;
    r.den = -r.den;
  }
  const Int128 g = gcd128(r.num, r.den);
  if (g > 1) {
    r.num /= g;
    r.den /= g;
  }
  if (r.num == 0) r.den = 1;
  return r;
}

inline Rational mul(Rational a, Rational b) { return normalized({a.num * b.num, a.den * b.den}); }
inline Rational div(Rational a, Rational b) { return normalized({a.num * b.den, a.den * b.num}); }
inline bool operator==(Rational a, Rational b) {
  a = normalized(a);
  b = normalized(b);
  return a.num == b.num && a.den == b.den;
}

inline std::string str128(Int128 v) {
  if (v == 0) return "0";
  const bool neg = v < 0;
  std::string s;
  while (v != 0) {
    const int d = static_cast<int>(v % 10);
    s.insert(s.begin(), static_cast<char>('0' + (d < 0 ? -d : d)));
    v /= 10;
  }
  return neg ? "-" + s : s;
}

inline std::string show(Rational r) { return str128(r.num) + "/" + str128(r.den); }

// Reads a number text of the encoded form (sign m/p, I, DbN, IkDbN) into a rational, on its
// own; false for anything else.
inline bool parseRational(std::string_view t, Rational& out) {
  Int128 sign = 1;
  if (!t.empty() && (t[0] == 'm' || t[0] == 'p')) {
    if (t[0] == 'm') sign = -1;
    t.remove_prefix(1);
  }
  auto digits = [](std::string_view d, Int128& v) {
    if (d.empty() || d.size() > 19) return false;
    v = 0;
    for (char c : d) {
      if (c < '0' || c > '9') return false;
      v = v * 10 + (c - '0');
    }
    return true;
  };
  Int128 whole = 0;
  Int128 den = 1;
  Int128 num = 0;
  const std::size_t k = t.find('k');
  if (k != std::string_view::npos) {
    if (!digits(t.substr(0, k), whole)) return false;
    t.remove_prefix(k + 1);
  }
  const std::size_t b = t.find('b');
  if (b != std::string_view::npos) {
    if (!digits(t.substr(0, b), den) || !digits(t.substr(b + 1), num) || den == 0) return false;
  } else {
    if (k != std::string_view::npos || !digits(t, num)) return false;
  }
  out = normalized({sign * (whole * den + num), den});
  return true;
}

// The expression of the last entry with advice 020 ("~020X=" raw or "020X=" tidy), "" if none.
inline std::string finalAnswer(std::string_view text) {
  const std::size_t at = text.rfind("020X");
  if (at == std::string_view::npos) return "";
  std::string_view rest = text.substr(at + 4);
  if (!rest.empty() && rest[0] == '=') rest.remove_prefix(1);
  const std::size_t end = rest.find('~');
  return std::string(rest.substr(0, end));
}

}  // namespace ravlo::test
