#include "expr/wari_amari.h"

#include <optional>

namespace ravlo {
namespace {

// Worked in exact scaled integers rather than in binary floating point, so a quotient or a
// remainder is never off in its last digits.
__extension__ typedef unsigned __int128 U128;

struct Decimal {
  U128 digits = 0;  // the number times 10^places
  int places = 0;
};

std::optional<Decimal> readPlainDecimal(std::string_view t) {
  if (t.empty()) return std::nullopt;
  Decimal d;
  bool point = false;
  int before = 0;
  for (char c : t) {
    if (c == '.') {
      if (point || before == 0) return std::nullopt;
      point = true;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    if (__builtin_mul_overflow(d.digits, U128(10), &d.digits) ||
        __builtin_add_overflow(d.digits, U128(c - '0'), &d.digits))
      return std::nullopt;
    if (point) {
      ++d.places;
    } else {
      ++before;
    }
  }
  if (point && d.places == 0) return std::nullopt;
  return d;
}

std::optional<U128> scaled(U128 v, int tens) {
  for (int i = 0; i < tens; ++i)
    if (__builtin_mul_overflow(v, U128(10), &v)) return std::nullopt;
  return v;
}

std::string digitsOf(U128 v) {
  if (v == 0) return "0";
  std::string s;
  while (v > 0) {
    s.insert(s.begin(), char('0' + int(v % 10)));
    v /= 10;
  }
  return s;
}

// v / 10^places written out, without trailing zeros or a bare point.
std::string writeScaled(U128 v, int places) {
  std::string s = digitsOf(v);
  if (places == 0) return s;
  if (int(s.size()) <= places) s.insert(0, std::string(places + 1 - s.size(), '0'));
  s.insert(s.size() - places, ".");
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

}  // namespace

std::string WariAmari(std::string_view expr, int places) {
  const std::string n = "n";
  if (places < 0) places = 0;
  const size_t slash = expr.find('/');
  if (slash == std::string_view::npos) return n;
  auto a = readPlainDecimal(expr.substr(0, slash));
  auto b = readPlainDecimal(expr.substr(slash + 1));
  if (!a || !b || b->digits == 0) return n;

  // Q = floor(A * 10^places / B), the quotient in units of 10^-places.
  auto num = scaled(a->digits, places + b->places);
  auto den = scaled(b->digits, a->places);
  if (!num || !den) return n;
  const U128 q = *num / *den;

  // R = A - B * Q / 10^places, over the common scale 10^s.
  const int s = a->places > b->places + places ? a->places : b->places + places;
  auto aS = scaled(a->digits, s - a->places);
  auto qS = scaled(q, s - b->places - places);
  if (!aS || !qS) return n;
  U128 bq = 0;
  if (__builtin_mul_overflow(b->digits, *qS, &bq) || bq > *aS) return n;
  const U128 r = *aS - bq;

  std::string t = writeScaled(q, places);
  if (r > 0) t += "R" + writeScaled(r, s);
  return t;
}

}  // namespace ravlo
