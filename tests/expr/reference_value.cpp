#include "tests/expr/reference_value.h"

#include <stdexcept>

namespace ravlo::test {
namespace {

struct UndefinedValue {};
struct TooLarge {};
struct Malformed : std::runtime_error {
  using std::runtime_error::runtime_error;
};

I128 absOf(I128 v) { return v < 0 ? -v : v; }

I128 gcdOf(I128 a, I128 b) {
  a = absOf(a);
  b = absOf(b);
  while (b != 0) {
    I128 r = a % b;
    a = b;
    b = r;
  }
  return a;
}

I128 mulOrThrow(I128 a, I128 b) {
  I128 r;
  if (__builtin_mul_overflow(a, b, &r)) throw TooLarge{};
  return r;
}

I128 addOrThrow(I128 a, I128 b) {
  I128 r;
  if (__builtin_add_overflow(a, b, &r)) throw TooLarge{};
  return r;
}

Rat make(I128 num, I128 den) {
  if (den == 0) throw UndefinedValue{};
  if (den < 0) {
    num = -num;
    den = -den;
  }
  I128 g = gcdOf(num, den);
  if (g > 1) {
    num /= g;
    den /= g;
  }
  if (num == 0) den = 1;
  return {num, den};
}

Rat add(const Rat& a, const Rat& b) {
  return make(addOrThrow(mulOrThrow(a.num, b.den), mulOrThrow(b.num, a.den)),
              mulOrThrow(a.den, b.den));
}
Rat neg(const Rat& a) { return {-a.num, a.den}; }
Rat mul(const Rat& a, const Rat& b) {
  return make(mulOrThrow(a.num, b.num), mulOrThrow(a.den, b.den));
}
Rat divide(const Rat& a, const Rat& b) {
  if (b.num == 0) throw UndefinedValue{};
  return make(mulOrThrow(a.num, b.den), mulOrThrow(a.den, b.num));
}
Rat power(const Rat& a, long e) {
  if (a.num == 0 && e <= 0) throw UndefinedValue{};
  Rat r{1, 1};
  long n = e < 0 ? -e : e;
  // Any other base leaves the range within 127 steps; 0, 1 and -1 would take n of them.
  if (a.num == 0) return Rat{0, 1};
  if (a.den == 1 && (a.num == 1 || a.num == -1)) return Rat{n % 2 == 0 ? 1 : a.num, 1};
  for (long i = 0; i < n; ++i) r = mul(r, a);
  if (e < 0) r = divide(Rat{1, 1}, r);
  return r;
}
I128 pow10(size_t n) {
  I128 p = 1;
  for (size_t i = 0; i < n; ++i) p = mulOrThrow(p, 10);
  return p;
}
bool isDigit(char c) { return c >= '0' && c <= '9'; }

class Reader {
 public:
  explicit Reader(std::string_view t) : t_(t) {}

  Rat whole() {
    Rat v = sum();
    if (pos_ != t_.size()) throw Malformed("trailing text at " + std::to_string(pos_));
    return v;
  }
  I128 largest() const { return largest_; }

 private:
  char peek() const { return pos_ < t_.size() ? t_[pos_] : '\0'; }
  bool eat(char c) {
    if (peek() != c) return false;
    ++pos_;
    return true;
  }
  Rat note(Rat r) {
    if (absOf(r.num) > largest_) largest_ = absOf(r.num);
    if (r.den > largest_) largest_ = r.den;
    return r;
  }

  Rat sum() {
    Rat v = product();
    for (;;) {
      if (eat('+')) {
        v = note(add(v, product()));
      } else if (eat('-')) {
        v = note(add(v, neg(product())));
      } else {
        return v;
      }
    }
  }

  Rat product() {
    Rat v = powerTerm();
    for (;;) {
      if (eat('*')) {
        v = note(mul(v, powerTerm()));
      } else if (eat('/')) {
        v = note(divide(v, powerTerm()));
      } else {
        return v;
      }
    }
  }

  // A sign before a bracket stands for "-1 *", so it applies after the powers; a sign before
  // a number is part of that number.
  Rat powerTerm() {
    bool outerMinus = false;
    if ((peek() == 'm' || peek() == 'p') && pos_ + 1 < t_.size() && t_[pos_ + 1] == '(') {
      outerMinus = peek() == 'm';
      ++pos_;
    }
    Rat v = signedOperand();
    while (eat('^')) v = note(power(v, exponent()));
    return outerMinus ? neg(v) : v;
  }

  long exponent() {
    bool minus = false;
    if (eat('m')) {
      minus = true;
    } else {
      eat('p');
    }
    std::string_view d = digits();
    if (d.empty() || d.size() > 9) throw Malformed("exponent");
    long e = std::stol(std::string(d));
    return minus ? -e : e;
  }

  Rat signedOperand() {
    bool minus = false;
    if (eat('m')) {
      minus = true;
    } else {
      eat('p');
    }
    Rat v = postfix();
    return minus ? neg(v) : v;
  }

  Rat postfix() {
    Rat v = atom();
    if (eat('!')) {
      if (v.den != 1 || v.num < 0) throw UndefinedValue{};
      Rat f{1, 1};
      for (I128 k = 2; k <= v.num; ++k) f = note(mul(f, Rat{k, 1}));
      v = f;
    }
    return v;
  }

  Rat atom() {
    if (eat('(')) {
      Rat v = sum();
      if (!eat(')')) throw Malformed("missing )");
      return v;
    }
    if (peek() == '[') return expressionFraction();
    if (!isDigit(peek())) throw Malformed("operand expected at " + std::to_string(pos_));
    size_t start = pos_;
    std::string_view first = digits();
    if (peek() == 'P' || peek() == 'C') {
      bool comb = peek() == 'C';
      ++pos_;
      std::string_view second = digits();
      if (second.empty()) throw Malformed("P/C");
      return note(arrangements(toInt(first), toInt(second), comb));
    }
    pos_ = start;
    return note(number());
  }

  Rat arrangements(I128 n, I128 r, bool comb) {
    if (n < r) throw UndefinedValue{};
    I128 p = 1;
    for (I128 i = 0; i < r; ++i) p = mulOrThrow(p, n - i);
    if (!comb) return {p, 1};
    I128 f = 1;
    for (I128 k = 2; k <= r; ++k) f = mulOrThrow(f, k);
    return {p / f, 1};
  }

  // "[" [sign] [I] "K" D "B" N "]" or "[" D "B" N "]"; D and N are whole expressions.
  Rat expressionFraction() {
    size_t close = t_.find(']', pos_);
    if (close == std::string_view::npos) throw Malformed("missing ]");
    std::string_view inner = t_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close + 1;
    bool minus = false;
    I128 whole = 0;
    size_t k = inner.find('K');
    if (k != std::string_view::npos) {
      std::string_view head = inner.substr(0, k);
      if (!head.empty() && (head[0] == 'm' || head[0] == 'p')) {
        minus = head[0] == 'm';
        head.remove_prefix(1);
      }
      whole = head.empty() ? 0 : toInt(head);
      inner.remove_prefix(k + 1);
    }
    size_t b = inner.find('B');
    if (b == std::string_view::npos) throw Malformed("fraction without B");
    Rat den = Reader(inner.substr(0, b)).nested(*this);
    Rat num = Reader(inner.substr(b + 1)).nested(*this);
    Rat q = divide(num, den);
    if (whole > 0 && q.num < 0) throw UndefinedValue{};  // a mixed number with a negative part
    Rat v = add(Rat{whole, 1}, q);
    return minus ? neg(v) : v;
  }

  Rat nested(Reader& outer) {
    Rat v = whole();
    if (largest_ > outer.largest_) outer.largest_ = largest_;
    return v;
  }

  // I | D "b" N | I "k" D "b" N | I "." F | I "." [F] "@" R
  Rat number() {
    std::string_view a = digits();
    if (eat('.')) {
      std::string_view f = digits();
      Rat v = make(toInt(a), 1);
      if (!f.empty()) v = add(v, make(toInt(f), tens(f.size())));
      if (eat('@')) {
        std::string_view r = digits();
        if (r.empty()) throw Malformed("@ without digits");
        I128 nines = tens(r.size()) - 1;
        v = add(v, make(toInt(r), mulOrThrow(nines, tens(f.size()))));
      } else if (f.empty()) {
        throw Malformed("point without digits");
      }
      return v;
    }
    if (eat('k')) {
      Rat frac = simpleFraction();
      return add(make(toInt(a), 1), frac);
    }
    if (eat('b')) {
      std::string_view n = digits();
      if (n.empty()) throw Malformed("b without numerator");
      return make(toInt(n), toInt(a));
    }
    return make(toInt(a), 1);
  }

  Rat simpleFraction() {
    std::string_view d = digits();
    if (!eat('b')) throw Malformed("k without b");
    std::string_view n = digits();
    if (d.empty() || n.empty()) throw Malformed("fraction digits");
    return make(toInt(n), toInt(d));
  }

  std::string_view digits() {
    size_t s = pos_;
    while (isDigit(peek())) ++pos_;
    return t_.substr(s, pos_ - s);
  }

  // Literal digit runs count towards the largest number met, like any intermediate.
  I128 toInt(std::string_view d) {
    if (d.empty()) throw Malformed("empty digits");
    I128 v = 0;
    for (char c : d) {
      if (!isDigit(c)) throw Malformed("digit expected");
      v = addOrThrow(mulOrThrow(v, 10), c - '0');
    }
    if (v > largest_) largest_ = v;
    return v;
  }
  I128 tens(size_t n) {
    I128 p = pow10(n);
    if (p > largest_) largest_ = p;
    return p;
  }

  std::string_view t_;
  size_t pos_ = 0;
  I128 largest_ = 0;
};

}  // namespace

bool operator==(const Rat& a, const Rat& b) { return a.num == b.num && a.den == b.den; }

std::string toString(const Rat& r) {
  auto digitsOf = [](I128 v) {
    std::string s;
    bool minus = v < 0;
    if (minus) v = -v;
    do {
      s.insert(s.begin(), char('0' + int(v % 10)));
      v /= 10;
    } while (v > 0);
    return minus ? "-" + s : s;
  };
  return r.den == 1 ? digitsOf(r.num) : digitsOf(r.num) + "/" + digitsOf(r.den);
}

RefResult referenceValue(std::string_view text) {
  RefResult res;
  Reader reader(text);
  try {
    res.value = reader.whole();
    res.kind = RefKind::Value;
  } catch (const UndefinedValue&) {
    res.kind = RefKind::Undefined;
  } catch (const TooLarge&) {
    res.kind = RefKind::Unknown;
  }
  res.largest = reader.largest();
  return res;
}

bool readNumberText(std::string_view text, Rat& out) {
  bool minus = false;
  if (!text.empty() && text[0] == 'm') {
    minus = true;
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  for (char c : text)
    if (!isDigit(c) && c != 'b' && c != 'k' && c != '.') return false;
  try {
    RefResult r = referenceValue(text);
    if (r.kind != RefKind::Value) return false;
    out = minus ? neg(r.value) : r.value;
    return true;
  } catch (const Malformed&) {
    return false;
  }
}

bool readDecimalText(std::string_view text, Rat& out, bool& cut) {
  cut = !text.empty() && text.back() == 'u';
  if (cut) text.remove_suffix(1);
  if (text.find('b') != std::string_view::npos || text.find('k') != std::string_view::npos)
    return false;
  return readNumberText(text, out);
}


}  // namespace ravlo::test
