#include "tests/expr/linear_reference.h"

#include <cstdint>
#include <vector>

namespace ravlo::solvertest {

namespace {

// Well inside the 128-bit range; products are formed with overflow checks.
constexpr Int128 kLimit = static_cast<Int128>(1) << 100;
constexpr Int128 kInt64Max = INT64_MAX;

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

}  // namespace

std::optional<Rat> ratMake(Int128 n, Int128 d) {
  if (d == 0) return std::nullopt;
  if (d < 0) {
    n = -n;
    d = -d;
  }
  const Int128 g = gcd128(n, d);
  if (g > 1) {
    n /= g;
    d /= g;
  }
  if (n == 0) d = 1;
  if (absVal(n) > kLimit || d > kLimit) return std::nullopt;
  return Rat{n, d};
}

std::optional<Rat> ratAdd(Rat a, Rat b) {
  Int128 x = 0;
  Int128 y = 0;
  Int128 d = 0;
  Int128 n = 0;
  if (__builtin_mul_overflow(a.n, b.d, &x) || __builtin_mul_overflow(b.n, a.d, &y) ||
      __builtin_add_overflow(x, y, &n) || __builtin_mul_overflow(a.d, b.d, &d))
    return std::nullopt;
  return ratMake(n, d);
}

std::optional<Rat> ratSub(Rat a, Rat b) { return ratAdd(a, Rat{-b.n, b.d}); }

std::optional<Rat> ratMul(Rat a, Rat b) {
  Int128 n = 0;
  Int128 d = 0;
  if (__builtin_mul_overflow(a.n, b.n, &n) || __builtin_mul_overflow(a.d, b.d, &d))
    return std::nullopt;
  return ratMake(n, d);
}

std::optional<Rat> ratDiv(Rat a, Rat b) {
  if (b.n == 0) return std::nullopt;
  return ratMul(a, Rat{b.d, b.n});
}

int ratCompare(Rat a, Rat b) {
  // By continued fractions: whole parts first, then the reciprocals of what is left, so that
  // no product is ever formed.
  int flip = 1;
  for (;;) {
    Int128 qa = a.n / a.d;
    Int128 ra = a.n % a.d;
    if (ra < 0) {
      --qa;
      ra += a.d;
    }
    Int128 qb = b.n / b.d;
    Int128 rb = b.n % b.d;
    if (rb < 0) {
      --qb;
      rb += b.d;
    }
    if (qa != qb) return qa < qb ? -flip : flip;
    if (ra == 0 || rb == 0) {
      if (ra == rb) return 0;
      return ra == 0 ? -flip : flip;
    }
    // a − qa = ra/a.d; the larger remainder has the smaller reciprocal.
    a = Rat{a.d, ra};
    b = Rat{b.d, rb};
    flip = -flip;
  }
}

std::string ratText(Rat a) {
  auto text = [](Int128 v) {
    std::string s;
    const bool neg = v < 0;
    v = absVal(v);
    do {
      s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
      v /= 10;
    } while (v != 0);
    return neg ? "-" + s : s;
  };
  return a.d == 1 ? text(a.n) : text(a.n) + "/" + text(a.d);
}

namespace {

bool isDigitChar(char c) { return c >= '0' && c <= '9'; }

// A run of digits as an int64 (the calculator's range); nullopt when it is not one.
std::optional<Int128> digitValue(std::string_view digits) {
  if (digits.empty() || digits.size() > 19) return std::nullopt;
  Int128 v = 0;
  for (char c : digits) v = v * 10 + (c - '0');
  if (v > kInt64Max) return std::nullopt;
  return v;
}

}  // namespace

std::optional<Rat> ratFromAnswer(std::string_view t) {
  bool neg = false;
  if (!t.empty() && t.front() == 'm') {
    neg = true;
    t.remove_prefix(1);
  }
  auto run = [&](std::size_t& i) {
    const std::size_t start = i;
    while (i < t.size() && isDigitChar(t[i])) ++i;
    return digitValue(t.substr(start, i - start));
  };
  std::size_t i = 0;
  const auto first = run(i);
  if (!first) return std::nullopt;
  Int128 whole = 0;
  Int128 den = 1;
  Int128 num = *first;
  if (i < t.size() && t[i] == 'k') {
    ++i;
    whole = *first;
    const auto d = run(i);
    if (!d || i >= t.size() || t[i] != 'b') return std::nullopt;
    ++i;
    const auto n = run(i);
    if (!n) return std::nullopt;
    den = *d;
    num = *n;
    // The proper form: 0 < numerator < denominator.
    if (num == 0 || num >= den) return std::nullopt;
  } else if (i < t.size() && t[i] == 'b') {
    ++i;
    const auto n = run(i);
    if (!n) return std::nullopt;
    den = *first;
    num = *n;
  }
  if (i != t.size() || den == 0) return std::nullopt;
  if (neg && whole == 0 && num == 0) return std::nullopt;  // zero is written "0"
  auto v = ratMake(whole * den + num, den);
  if (!v) return std::nullopt;
  if (gcd128(num, den) != 1) return std::nullopt;  // answers are reduced
  if (neg) v->n = -v->n;
  return v;
}

namespace {

// Recursive descent over one side; the first problem met decides the status.
class RefReader {
 public:
  explicit RefReader(std::string_view s) : s_(s) {}

  std::optional<Linear> side() {
    auto v = sum();
    if (!v) return std::nullopt;
    if (i_ != s_.size()) return failWith(RefStatus::Malformed);
    return v;
  }

  RefStatus status() const { return status_; }

 private:
  using L = std::optional<Linear>;

  char peek() const { return i_ < s_.size() ? s_[i_] : '\0'; }

  L failWith(RefStatus st) {
    if (status_ == RefStatus::Ok) status_ = st;
    return std::nullopt;
  }
  L outOfRange() { return failWith(RefStatus::OutOfRange); }

  static std::optional<Linear> constant(Rat r) { return Linear{Rat{0, 1}, r}; }

  L add(const Linear& a, const Linear& b, bool subtract) {
    auto ca = subtract ? ratSub(a.a, b.a) : ratAdd(a.a, b.a);
    auto cb = subtract ? ratSub(a.b, b.b) : ratAdd(a.b, b.b);
    if (!ca || !cb) return outOfRange();
    return Linear{*ca, *cb};
  }

  L mul(const Linear& a, const Linear& b) {
    if (!ratIsZero(a.a) && !ratIsZero(b.a)) return failWith(RefStatus::NotLinear);
    auto ab = ratMul(a.a, b.b);
    auto ba = ratMul(b.a, a.b);
    auto bb = ratMul(a.b, b.b);
    if (!ab || !ba || !bb) return outOfRange();
    auto coef = ratAdd(*ab, *ba);
    if (!coef) return outOfRange();
    return Linear{*coef, *bb};
  }

  L div(const Linear& a, const Linear& b) {
    if (!ratIsZero(b.a)) return failWith(RefStatus::NotLinear);
    if (ratIsZero(b.b)) return failWith(RefStatus::NoValue);
    auto ca = ratDiv(a.a, b.b);
    auto cb = ratDiv(a.b, b.b);
    if (!ca || !cb) return outOfRange();
    return Linear{*ca, *cb};
  }

  L negate(const Linear& a) { return Linear{Rat{-a.a.n, a.a.d}, Rat{-a.b.n, a.b.d}}; }

  L sum() {
    L r = term(true);
    while (r && (peek() == '+' || peek() == '-')) {
      const bool subtract = s_[i_++] == '-';
      L t = term(false);
      if (!t) return std::nullopt;
      r = add(*r, *t, subtract);
    }
    return r;
  }

  L term(bool sumStart) {
    L r = unary(sumStart);
    while (r) {
      const char c = peek();
      if (c == '*' || c == '/') {
        ++i_;
        L f = unary(false);
        if (!f) return std::nullopt;
        r = c == '*' ? mul(*r, *f) : div(*r, *f);
      } else if (c == 'x' || c == '(') {
        L f = unary(false);
        if (!f) return std::nullopt;
        r = mul(*r, *f);
      } else {
        break;
      }
    }
    return r;
  }

  // A sign "m"/"p" anywhere a factor starts ("-"/"+" only at the start of a sum). In front of
  // a number or an expression fraction it belongs to the value (‹m2^2› is 4); in front of a
  // bracket or x it is the factor ±1 of a product, as the calculator writes "m(" as "m1*("
  // (so ‹6/m(2)› is 6/(−1)·2).
  L unary(bool sumStart) {
    bool neg = false;
    bool hasSign = false;
    const char c = peek();
    if (c == 'm' || c == 'p' || (sumStart && (c == '-' || c == '+'))) {
      neg = c == 'm' || c == '-';
      hasSign = true;
      ++i_;
    }
    const bool signBelongs = hasSign && (isDigitChar(peek()) || peek() == '[');
    if (hasSign && !signBelongs) {
      if (peek() != '(' && peek() != 'x') return failWith(RefStatus::Malformed);
      return constant(Rat{neg ? -1 : 1, 1});
    }
    L v = primary();
    if (!v) return std::nullopt;
    while (peek() == '!') {
      ++i_;
      v = factorial(*v);
      if (!v) return std::nullopt;
    }
    if (neg) v = negate(*v);
    while (peek() == '^') {
      ++i_;
      v = power(*v);
      if (!v) return std::nullopt;
    }
    return v;
  }

  L primary() {
    const char c = peek();
    if (c == 'x') {
      ++i_;
      return Linear{Rat{1, 1}, Rat{0, 1}};
    }
    if (c == '(') {
      if (++depth_ > 100) return outOfRange();
      ++i_;
      L v = sum();
      if (!v) return std::nullopt;
      if (peek() != ')') return failWith(RefStatus::Malformed);
      ++i_;
      --depth_;
      return v;
    }
    if (c == '[') return fraction();
    if (isDigitChar(c)) return numberOrPermutation();
    return failWith(RefStatus::Malformed);
  }

  std::optional<std::string_view> digitRun() {
    const std::size_t start = i_;
    while (isDigitChar(peek())) ++i_;
    if (i_ == start) return std::nullopt;
    return s_.substr(start, i_ - start);
  }

  L numberOrPermutation() {
    auto first = digitRun();
    auto firstValue = digitValue(*first);
    if (!firstValue) return outOfRange();
    const char c = peek();
    if (c == 'P' || c == 'C') {
      ++i_;
      auto second = digitRun();
      if (!second) return failWith(RefStatus::Malformed);
      auto r = digitValue(*second);
      if (!r) return outOfRange();
      return permutation(*firstValue, *r, c == 'C');
    }
    if (c == 'k') {
      ++i_;
      auto d = digitRun();
      if (!d || peek() != 'b') return failWith(RefStatus::Malformed);
      ++i_;
      auto n = digitRun();
      if (!n) return failWith(RefStatus::Malformed);
      auto dv = digitValue(*d);
      auto nv = digitValue(*n);
      if (!dv || !nv) return outOfRange();
      if (*dv == 0) return failWith(RefStatus::NoValue);
      auto f = ratMake(*nv, *dv);
      if (!f) return outOfRange();
      auto v = ratAdd(Rat{*firstValue, 1}, *f);
      if (!v) return outOfRange();
      return constant(*v);
    }
    if (c == 'b') {
      ++i_;
      auto n = digitRun();
      if (!n) return failWith(RefStatus::Malformed);
      auto nv = digitValue(*n);
      if (!nv) return outOfRange();
      if (*firstValue == 0) return failWith(RefStatus::NoValue);
      auto v = ratMake(*nv, *firstValue);
      if (!v) return outOfRange();
      return constant(*v);
    }
    if (c == '.') {
      ++i_;
      const std::size_t fStart = i_;
      while (isDigitChar(peek())) ++i_;
      std::string_view frac = s_.substr(fStart, i_ - fStart);
      std::string_view rep;
      if (peek() == '@') {
        ++i_;
        auto r = digitRun();
        if (!r) return failWith(RefStatus::Malformed);
        rep = *r;
      } else if (frac.empty()) {
        return failWith(RefStatus::Malformed);
      }
      if (frac.size() > 18 || rep.size() > 18) return outOfRange();
      Int128 scale = 1;
      for (std::size_t k = 0; k < frac.size(); ++k) scale *= 10;
      Int128 fv = 0;
      for (char d : frac) fv = fv * 10 + (d - '0');
      auto v = ratMake(*firstValue * scale + fv, scale);
      if (!v) return outOfRange();
      if (!rep.empty()) {
        Int128 nines = 1;
        for (std::size_t k = 0; k < rep.size(); ++k) nines *= 10;
        nines -= 1;
        Int128 rv = 0;
        for (char d : rep) rv = rv * 10 + (d - '0');
        Int128 den = 0;
        if (__builtin_mul_overflow(nines, scale, &den)) return outOfRange();
        auto r = ratMake(rv, den);
        if (!r) return outOfRange();
        v = ratAdd(*v, *r);
        if (!v) return outOfRange();
      }
      return constant(*v);
    }
    return constant(Rat{*firstValue, 1});
  }

  L permutation(Int128 n, Int128 r, bool combination) {
    if (n < r) return failWith(RefStatus::NoValue);
    if (n > 1000000) return outOfRange();
    Int128 p = 1;
    for (Int128 k = 0; k < r; ++k) {
      p *= n - k;
      if (p > kInt64Max) return outOfRange();
    }
    if (combination) {
      if (r > 20) return outOfRange();
      Int128 f = 1;
      for (Int128 k = 2; k <= r; ++k) f *= k;
      p /= f;
    }
    return constant(Rat{p, 1});
  }

  L factorial(const Linear& v) {
    if (!ratIsZero(v.a)) return failWith(RefStatus::NotLinear);
    if (v.b.d != 1 || v.b.n < 0) return failWith(RefStatus::NoValue);
    if (v.b.n > 20) return outOfRange();
    Int128 f = 1;
    for (Int128 k = 2; k <= v.b.n; ++k) f *= k;
    return constant(Rat{f, 1});
  }

  L power(const Linear& base) {
    bool negExp = false;
    bool signedExp = false;
    if (peek() == 'm' || peek() == 'p') {
      negExp = s_[i_++] == 'm';
      signedExp = true;
    }
    // The calculator reads a sign before a bracket as the factor ±1: ‹2^m(3)› is 2^-1·3.
    auto e = signedExp && peek() == '(' ? std::optional<std::string_view>("1") : digitRun();
    if (!e) return failWith(RefStatus::Malformed);
    if (!ratIsZero(base.a)) return failWith(RefStatus::NotLinear);
    auto ev = digitValue(*e);
    if (!ev || *ev > 200) return outOfRange();
    Rat b = base.b;
    if (ratIsZero(b) && *ev == 0) return failWith(RefStatus::NoValue);
    if (ratIsZero(b) && negExp) return failWith(RefStatus::NoValue);
    Rat r{1, 1};
    for (Int128 k = 0; k < *ev; ++k) {
      auto m = ratMul(r, b);
      if (!m) return outOfRange();
      r = *m;
    }
    if (negExp && !ratIsZero(r)) r = Rat{r.n < 0 ? -r.d : r.d, absVal(r.n)};
    return constant(r);
  }

  // [den B num] with an optional sign and integer part before "K".
  L fraction() {
    ++i_;  // "["
    bool neg = false;
    Int128 whole = 0;
    const std::size_t close = s_.find(']', i_);
    const std::size_t k = s_.find('K', i_);
    if (k != std::string_view::npos && (close == std::string_view::npos || k < close)) {
      if (peek() == 'm' || peek() == '-') {
        neg = true;
        ++i_;
      } else if (peek() == 'p' || peek() == '+') {
        ++i_;
      }
      if (i_ < k) {
        auto w = digitRun();
        if (!w || i_ != k) return failWith(RefStatus::Malformed);
        auto wv = digitValue(*w);
        if (!wv) return outOfRange();
        whole = *wv;
      }
      i_ = k + 1;
    }
    const std::size_t bar = s_.find('B', i_);
    if (close != std::string_view::npos && (bar == std::string_view::npos || bar > close)) {
      // Without a bar the fraction is a plain whole number: ‹[47]›.
      if (neg || whole != 0) return failWith(RefStatus::Malformed);
      auto w = digitRun();
      if (!w || peek() != ']') return failWith(RefStatus::Malformed);
      ++i_;
      auto wv = digitValue(*w);
      if (!wv) return outOfRange();
      return constant(Rat{*wv, 1});
    }
    L den = sum();
    if (!den) return std::nullopt;
    if (peek() != 'B') return failWith(RefStatus::Malformed);
    ++i_;
    L num = sum();
    if (!num) return std::nullopt;
    if (peek() != ']') return failWith(RefStatus::Malformed);
    ++i_;
    L q = div(*num, *den);
    if (!q) return std::nullopt;
    if (whole > 0 && ratIsZero(q->a) && q->b.n < 0) return failWith(RefStatus::NoValue);
    auto wb = ratAdd(q->b, Rat{whole, 1});
    if (!wb) return outOfRange();
    Linear v{q->a, *wb};
    return neg ? negate(v) : v;
  }

  std::string_view s_;
  std::size_t i_ = 0;
  int depth_ = 0;
  RefStatus status_ = RefStatus::Ok;
};

RefStatus readSide(std::string_view text, Linear& out) {
  RefReader r(text);
  auto v = r.side();
  if (!v) return r.status() == RefStatus::Ok ? RefStatus::Malformed : r.status();
  out = *v;
  return RefStatus::Ok;
}

}  // namespace

RefReading readRefQuestion(std::string_view text) {
  RefReading out;
  const std::size_t colon = text.find(':');
  if (colon != std::string_view::npos) {
    const std::size_t eq = text.find('=');
    const std::size_t colon2 = eq == std::string_view::npos ? eq : text.find(':', eq);
    if (eq == std::string_view::npos || eq < colon || colon2 == std::string_view::npos ||
        text.find(':', colon + 1) != colon2 || text.find(':', colon2 + 1) != std::string_view::npos ||
        text.find_first_of("<>", 0) != std::string_view::npos ||
        text.find('=', eq + 1) != std::string_view::npos) {
      out.status = RefStatus::Malformed;
      return out;
    }
    Linear t[4];
    const std::string_view parts[4] = {text.substr(0, colon), text.substr(colon + 1, eq - colon - 1),
                                       text.substr(eq + 1, colon2 - eq - 1),
                                       text.substr(colon2 + 1)};
    for (int k = 0; k < 4; ++k) {
      out.status = readSide(parts[k], t[k]);
      if (out.status != RefStatus::Ok) return out;
    }
    // a:b = c:d read as a·d = b·c.
    auto product = [&](const Linear& p, const Linear& q, Linear& r) {
      if (!ratIsZero(p.a) && !ratIsZero(q.a)) return RefStatus::NotLinear;
      auto ab = ratMul(p.a, q.b);
      auto ba = ratMul(q.a, p.b);
      auto bb = ratMul(p.b, q.b);
      if (!ab || !ba || !bb) return RefStatus::OutOfRange;
      auto c = ratAdd(*ab, *ba);
      if (!c) return RefStatus::OutOfRange;
      r = Linear{*c, *bb};
      return RefStatus::Ok;
    };
    out.status = product(t[0], t[3], out.question.left);
    if (out.status != RefStatus::Ok) return out;
    out.status = product(t[1], t[2], out.question.right);
    out.question.rel = 0;
    return out;
  }

  std::vector<std::size_t> rel;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '<' || text[i] == '>' || text[i] == '=') rel.push_back(i);
  std::size_t at = 0;
  std::size_t len = 1;
  if (rel.size() == 1) {
    at = rel[0];
    out.question.rel = text[at] == '=' ? 0 : (text[at] == '<' ? 1 : 3);
  } else if (rel.size() == 2 && rel[1] == rel[0] + 1 && text[rel[1]] == '=' &&
             text[rel[0]] != '=') {
    at = rel[0];
    len = 2;
    out.question.rel = text[at] == '<' ? 2 : 4;
  } else {
    out.status = RefStatus::Malformed;
    return out;
  }
  out.status = readSide(text.substr(0, at), out.question.left);
  if (out.status != RefStatus::Ok) return out;
  out.status = readSide(text.substr(at + len), out.question.right);
  return out;
}

namespace {

bool relHolds(int rel, int cmp) {
  switch (rel) {
    case 0: return cmp == 0;
    case 1: return cmp < 0;
    case 2: return cmp <= 0;
    case 3: return cmp > 0;
    case 4: return cmp >= 0;
    default: return false;
  }
}

std::optional<Rat> valueAt(const Linear& l, Rat x) {
  auto ax = ratMul(l.a, x);
  if (!ax) return std::nullopt;
  return ratAdd(*ax, l.b);
}

}  // namespace

std::optional<bool> refHolds(const RefQuestion& q, Rat x) {
  const auto l = valueAt(q.left, x);
  const auto r = valueAt(q.right, x);
  if (!l || !r) return std::nullopt;
  return relHolds(q.rel, ratCompare(*l, *r));
}

bool answerHolds(int rel, Rat v, Rat x) { return relHolds(rel, ratCompare(x, v)); }

}  // namespace ravlo::solvertest
