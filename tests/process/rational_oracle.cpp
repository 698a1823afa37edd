#include "tests/process/rational_oracle.h"

namespace ravlo::test::exact {

namespace {

constexpr Int128 kLimit = static_cast<Int128>(1000000000000000LL) * 1000000000000000LL;

Int128 absVal(Int128 v) { return v < 0 ? -v : v; }

Int128 gcd128(Int128 a, Int128 b) {
  a = absVal(a);
  b = absVal(b);
  while (b != 0) {
    const Int128 r = a % b;
    a = b;
    b = r;
  }
  return a;
}

std::optional<Rational> make(Int128 num, Int128 den) {
  if (den == 0) return std::nullopt;
  if (den < 0) {
    num = -num;
    den = -den;
  }
  const Int128 g = gcd128(num, den);
  if (g > 1) {
    num /= g;
    den /= g;
  }
  if (num == 0) den = 1;
  if (absVal(num) > kLimit || den > kLimit) return std::nullopt;
  return Rational{num, den};
}

std::optional<Rational> add(const Rational& a, const Rational& b, int sign) {
  return make(a.num * b.den + sign * b.num * a.den, a.den * b.den);
}
std::optional<Rational> mul(const Rational& a, const Rational& b) {
  return make(a.num * b.num, a.den * b.den);
}
std::optional<Rational> div(const Rational& a, const Rational& b) {
  if (b.num == 0) return std::nullopt;
  return make(a.num * b.den, a.den * b.num);
}

class Reader {
 public:
  explicit Reader(std::string_view t) : t_(t) {}

  std::optional<Rational> whole() {
    auto v = expression(false);
    if (!v || pos_ != t_.size()) return std::nullopt;
    return v;
  }

 private:
  char peek() const { return pos_ < t_.size() ? t_[pos_] : '\0'; }

  // inFraction: inside "[ ]", where "B" ends the denominator.
  std::optional<Rational> expression(bool inFraction) {
    auto v = term(inFraction);
    while (v && (peek() == '+' || peek() == '-')) {
      const int sign = peek() == '+' ? 1 : -1;
      ++pos_;
      auto r = term(inFraction);
      if (!r) return std::nullopt;
      v = add(*v, *r, sign);
    }
    return v;
  }

  std::optional<Rational> term(bool inFraction) {
    auto v = factor(inFraction);
    while (v && (peek() == '*' || peek() == '/')) {
      const char op = peek();
      ++pos_;
      auto r = factor(inFraction);
      if (!r) return std::nullopt;
      v = op == '*' ? mul(*v, *r) : div(*v, *r);
    }
    return v;
  }

  std::optional<Rational> factor(bool inFraction) {
    int sign = 1;
    while (peek() == 'm' || peek() == 'p') {
      if (peek() == 'm') sign = -sign;
      ++pos_;
    }
    std::optional<Rational> v;
    if (peek() == '(') {
      ++pos_;
      v = expression(inFraction);
      if (!v || peek() != ')') return std::nullopt;
      ++pos_;
    } else if (peek() == '[' && !inFraction) {
      ++pos_;
      v = expressionFraction();
      if (!v || peek() != ']') return std::nullopt;
      ++pos_;
    } else {
      v = number();
    }
    if (!v) return std::nullopt;
    return make(sign * v->num, v->den);
  }

  std::optional<Int128> digits() {
    const std::size_t start = pos_;
    Int128 v = 0;
    while (peek() >= '0' && peek() <= '9') {
      v = v * 10 + (peek() - '0');
      if (v > kLimit) return std::nullopt;
      ++pos_;
    }
    if (pos_ == start) return std::nullopt;
    return v;
  }

  std::optional<Rational> number() {
    auto a = digits();
    if (!a) return std::nullopt;
    if (peek() == '.') {
      ++pos_;
      Int128 fixed = 0, scale = 1;
      while (peek() >= '0' && peek() <= '9') {
        fixed = fixed * 10 + (peek() - '0');
        scale *= 10;
        if (scale > kLimit) return std::nullopt;
        ++pos_;
      }
      auto v = make(*a * scale + fixed, scale);
      if (peek() == '@') {
        ++pos_;
        const std::size_t start = pos_;
        auto rep = digits();
        if (!rep || !v) return std::nullopt;
        Int128 nines = 0;
        for (std::size_t i = start; i < pos_; ++i) nines = nines * 10 + 9;
        auto r = make(*rep, nines * scale);
        if (!r) return std::nullopt;
        v = add(*v, *r, 1);
      } else if (scale == 1) {
        return std::nullopt;  // "3." is not a number
      }
      return v;
    }
    if (peek() == 'k') {
      ++pos_;
      auto d = digits();
      if (!d || peek() != 'b') return std::nullopt;
      ++pos_;
      auto n = digits();
      if (!n || *d == 0) return std::nullopt;
      return make(*a * *d + *n, *d);
    }
    if (peek() == 'b') {
      ++pos_;
      auto n = digits();
      if (!n || *a == 0) return std::nullopt;
      return make(*n, *a);
    }
    return make(*a, 1);
  }

  // After "[": [sign] [integer "K"] denominator "B" numerator.
  std::optional<Rational> expressionFraction() {
    int sign = 1;
    Int128 integer = 0;
    const std::size_t kPos = t_.find('K', pos_);
    const std::size_t close = t_.find(']', pos_);
    if (kPos != std::string_view::npos && kPos < close) {
      if (peek() == 'm') {
        sign = -1;
        ++pos_;
      } else if (peek() == 'p') {
        ++pos_;
      }
      if (peek() != 'K') {
        auto i = digits();
        if (!i) return std::nullopt;
        integer = *i;
      }
      if (peek() != 'K') return std::nullopt;
      ++pos_;
    }
    auto d = expression(true);
    if (!d || peek() != 'B') return std::nullopt;
    ++pos_;
    auto n = expression(true);
    if (!n) return std::nullopt;
    auto q = div(*n, *d);
    if (!q) return std::nullopt;
    if (integer > 0 && q->num < 0) return std::nullopt;
    auto whole = make(integer, 1);
    if (!whole) return std::nullopt;
    auto v = add(*whole, *q, 1);
    if (!v) return std::nullopt;
    return make(sign * v->num, v->den);
  }

  std::string_view t_;
  std::size_t pos_ = 0;
};

}  // namespace

std::optional<Rational> oracleValue(std::string_view text) { return Reader(text).whole(); }

std::string oracleAnswerText(const Rational& r, bool improper) {
  if (r.num == 0) return "0";
  std::string s = r.num < 0 ? "m" : "";
  const Int128 n = absVal(r.num);
  if (r.den == 1) return s + int128Text(n);
  if (improper) return s + int128Text(r.den) + "b" + int128Text(n);
  const Int128 whole = n / r.den;
  if (whole > 0) s += int128Text(whole) + "k";
  return s + int128Text(r.den) + "b" + int128Text(n % r.den);
}

std::string int128Text(Int128 v) {
  if (v == 0) return "0";
  const bool neg = v < 0;
  v = absVal(v);
  std::string s;
  while (v > 0) {
    s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
    v /= 10;
  }
  return neg ? "-" + s : s;
}

std::string toString(const Rational& r) { return int128Text(r.num) + "/" + int128Text(r.den); }

}  // namespace ravlo::test::exact
