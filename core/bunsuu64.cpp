#include "core/bunsuu64.h"

#include <limits>

namespace ravlo {

namespace {

// Exact products of two int64 values.
__extension__ typedef __int128 Int128;

constexpr uint64_t kBound = static_cast<uint64_t>(kInt64Bound);

// |v| without overflow: |INT64_MIN| is 2^63, which fits in uint64.
uint64_t magnitude(int64_t v) {
  return v < 0 ? uint64_t{0} - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
}

void warn(MessageSink& sink, const char* text) {
  sink.box(kWarningCaption, text, BoxButtons::Ok, BoxIcon::Warning);
}

bool addCheck(uint64_t a, uint64_t b, MessageSink& sink) {
  if (a > kBound || b > kBound - a) {
    warn(sink, kSumOverflowText);
    return false;
  }
  return true;
}

bool mulCheck(uint64_t a, uint64_t b, MessageSink& sink) {
  if (a == 0) {
    warn(sink, kZeroFactorText);
    return false;
  }
  if (b > kBound / a) {
    warn(sink, kProductOverflowText);
    return false;
  }
  return true;
}

uint64_t gcdMagnitude(uint64_t x, uint64_t y) {
  while (y != 0) {
    const uint64_t r = x % y;
    x = y;
    y = r;
  }
  return x;
}

// The records the operations accept: anything else (negative parts, zero denominator) came
// from outside the checked operations and yields the invalid value.
bool wellFormed(const Bunsuu64& f) {
  return f.denominator > 0 && f.integer >= 0 && f.numerator >= 0;
}

int8_t signOf(int s) { return static_cast<int8_t>(s > 0 ? 1 : (s < 0 ? -1 : 0)); }

bool isNegative(const Bunsuu64& f) { return f.sign < 0; }

// The value is sign × (...), so a record with sign 0 is zero whatever its other parts hold.
Bunsuu64 zeroBySign(const Bunsuu64& f) { return f.sign == 0 ? kBunZero : f; }

// Sum of the magnitudes of two well-formed values; sign 1, neither reduced nor normalised.
Bunsuu64 sumOfMagnitudes(const Bunsuu64& a, const Bunsuu64& b, MessageSink& sink) {
  if (a.sign == 0 && b.sign == 0) return kBunZero;
  if (!Int64AddCheck(a.integer, b.integer, sink)) return kBunInvalid;
  if (!Int64MulCheck(a.denominator, b.denominator, sink)) return kBunInvalid;
  const int64_t d = Int64Lcm(a.denominator, b.denominator, sink);
  if (d <= 0) return kBunInvalid;
  const int64_t ka = d / a.denominator;
  const int64_t kb = d / b.denominator;
  // Improper numerators can make these scalings overflow, so they are tested too.
  if (a.numerator != 0 && !Int64MulCheck(a.numerator, ka, sink)) return kBunInvalid;
  if (b.numerator != 0 && !Int64MulCheck(b.numerator, kb, sink)) return kBunInvalid;
  const int64_t x = a.numerator * ka;
  const int64_t y = b.numerator * kb;
  if (!Int64AddCheck(x, y, sink)) return kBunInvalid;
  return Bunsuu64{1, a.integer + b.integer, d, x + y};
}

// |a| − |b| as a magnitude (sign 1), reduced.
Bunsuu64 differenceOfMagnitudes(const Bunsuu64& a, const Bunsuu64& b, MessageSink& sink) {
  if (a.sign == 0 && b.sign == 0) return kBunZero;
  const Bunsuu64 ta = BunToTai(a, sink);
  if (!ta.valid()) return kBunInvalid;
  const Bunsuu64 tb = BunToTai(b, sink);
  if (!tb.valid()) return kBunInvalid;
  const int64_t di = ta.integer - tb.integer;  // both parts are >= 0
  if (!Int64MulCheck(ta.denominator, tb.denominator, sink)) return kBunInvalid;
  const int64_t d = ta.denominator * tb.denominator;
  // In proper form each cross product is below d, so dn fits; __int128 keeps it free of doubt.
  const Int128 wide = static_cast<Int128>(ta.numerator) * tb.denominator -
                        static_cast<Int128>(tb.numerator) * ta.denominator;
  const int64_t dn = static_cast<int64_t>(wide);
  const int64_t adi = di < 0 ? -di : di;
  const int64_t adn = dn < 0 ? -dn : dn;
  if (di == 0 && dn == 0) return kBunZero;
  if (dn == 0) return BunMake(1, adi, 1, 0);
  if (di == 0) return BunYaku(BunMake(1, 0, d, adn));
  if ((di < 0) == (dn < 0)) return BunYaku(BunMake(1, adi, d, adn));
  return BunYaku(BunMake(1, adi - 1, d, d - adn));  // borrow one whole
}

// Compares magnitudes; `ok` turns false when a proper form cannot be formed.
int compareMagnitudes(const Bunsuu64& a, const Bunsuu64& b, MessageSink& sink, bool& ok) {
  ok = true;
  if (a.sign == 0 && b.sign == 0) return 0;
  const Bunsuu64 ta = BunToTai(a, sink);
  const Bunsuu64 tb = BunToTai(b, sink);
  if (!ta.valid() || !tb.valid()) {
    ok = false;
    return 0;
  }
  if (ta.integer != tb.integer) return ta.integer > tb.integer ? 1 : -1;
  // Exact cross products: their int64 form could overflow for large denominators.
  const Int128 l = static_cast<Int128>(ta.numerator) * tb.denominator;
  const Int128 r = static_cast<Int128>(tb.numerator) * ta.denominator;
  if (l == r) return 0;
  return l > r ? 1 : -1;
}

// Checked power of a non-negative base; false when the result would pass the int64 maximum.
bool checkedPower(int64_t base, int64_t n, int64_t& out) {
  int64_t result = 1;
  int64_t b = base;
  while (n > 0) {
    if ((n & 1) != 0 && __builtin_mul_overflow(result, b, &result)) return false;
    n >>= 1;
    // Squaring past the maximum with bits still to come means the result passes it too.
    if (n > 0 && __builtin_mul_overflow(b, b, &b)) return false;
  }
  out = result;
  return true;
}

}  // namespace

bool Int64AddCheck(int64_t a, int64_t b, MessageSink& sink) {
  return addCheck(magnitude(a), magnitude(b), sink);
}

bool Int64MulCheck(int64_t a, int64_t b, MessageSink& sink) {
  return mulCheck(magnitude(a), magnitude(b), sink);
}

int64_t Int64Gcd(int64_t a, int64_t b) {
  // Two's complement turns the unrepresentable 2^63 into INT64_MIN.
  return static_cast<int64_t>(gcdMagnitude(magnitude(a), magnitude(b)));
}

int64_t Int64Lcm(int64_t a, int64_t b, MessageSink& sink) {
  const uint64_t ua = magnitude(a);
  const uint64_t ub = magnitude(b);
  const uint64_t g = gcdMagnitude(ua, ub);
  const uint64_t q = g == 0 ? 0 : ua / g;
  if (!mulCheck(q, ub, sink)) return -1;
  return static_cast<int64_t>(q * ub);
}

Bunsuu64 BunMake(int sign, int64_t integer, int64_t denominator, int64_t numerator) {
  if (integer < 0 || denominator <= 0 || numerator < 0) return kBunInvalid;
  return Bunsuu64{static_cast<int8_t>(sign), integer, denominator, numerator};
}

Bunsuu64 BunToTai(const Bunsuu64& f, MessageSink& sink) {
  if (f.denominator == 0) {
    sink.box(kDebugCaption, kZeroDenominatorText, BoxButtons::Ok, BoxIcon::Warning);
    return kBunInvalid;
  }
  if (!wellFormed(f)) return kBunInvalid;
  if (f.numerator == 0 || f.numerator < f.denominator) return f;
  const int64_t r = f.numerator % f.denominator;
  const int64_t q = f.numerator / f.denominator;
  if (!Int64AddCheck(f.integer, q, sink)) return kBunInvalid;
  return BunMake(f.sign, f.integer + q, f.denominator, r);
}

Bunsuu64 BunToKa(const Bunsuu64& f, MessageSink& sink) {
  if (f.integer == 0) return f;
  if (!wellFormed(f)) return kBunInvalid;
  if (!Int64MulCheck(f.integer, f.denominator, sink)) return kBunInvalid;
  const int64_t whole = f.integer * f.denominator;
  if (!Int64AddCheck(whole, f.numerator, sink)) return kBunInvalid;
  return BunMake(f.sign, 0, f.denominator, whole + f.numerator);
}

Bunsuu64 BunYaku(const Bunsuu64& f) {
  if (f.numerator == 0 || f.denominator == 0) return f;
  const int64_t g = Int64Gcd(f.numerator, f.denominator);
  Bunsuu64 r = f;
  r.numerator = f.numerator / g;
  r.denominator = f.denominator / g;
  return r;
}

Bunsuu64 BunNeg(const Bunsuu64& f) {
  return BunMake(-static_cast<int>(f.sign), f.integer, f.denominator, f.numerator);
}

Bunsuu64 BunInv(const Bunsuu64& f, MessageSink& sink) {
  if (!wellFormed(f) || f.sign == 0) return kBunInvalid;
  Bunsuu64 g = BunToKa(f, sink);
  if (!g.valid() || g.numerator == 0) return kBunInvalid;
  return Bunsuu64{g.sign, 0, g.numerator, g.denominator};
}

int BunAbsComp(const Bunsuu64& a, const Bunsuu64& b, MessageSink& sink) {
  if (!wellFormed(a) || !wellFormed(b)) return 0;
  bool ok = true;
  return compareMagnitudes(zeroBySign(a), zeroBySign(b), sink, ok);
}

Bunsuu64 BunAdd(const Bunsuu64& a0, const Bunsuu64& b0, MessageSink& sink) {
  // An invalid operand was reported where it arose; it must not turn into a number here.
  if (!wellFormed(a0) || !wellFormed(b0)) return kBunInvalid;
  const Bunsuu64 a = zeroBySign(a0);
  const Bunsuu64 b = zeroBySign(b0);
  if (a.sign == 0 && b.sign == 0) return kBunZero;
  const bool na = isNegative(a);
  const bool nb = isNegative(b);
  if (na && nb) {
    Bunsuu64 r = sumOfMagnitudes(a, b, sink);
    if (r.valid()) r.sign = -1;
    return r;
  }
  if (na != nb) {
    bool ok = true;
    const int c = compareMagnitudes(a, b, sink, ok);
    if (!ok) return kBunInvalid;
    if (c == 0) return kBunZero;
    Bunsuu64 r = differenceOfMagnitudes(a, b, sink);
    if (r.valid() && r.sign != 0) r.sign = signOf(c > 0 ? a.sign : b.sign);
    return r;
  }
  return sumOfMagnitudes(a, b, sink);
}

Bunsuu64 BunSub(const Bunsuu64& a, const Bunsuu64& b, MessageSink& sink) {
  if (!wellFormed(b)) return kBunInvalid;
  return BunAdd(a, BunNeg(b), sink);
}

Bunsuu64 BunMul(const Bunsuu64& a, const Bunsuu64& b, MessageSink& sink) {
  if (!wellFormed(a) || !wellFormed(b)) return kBunInvalid;
  if (a.sign == 0 || b.sign == 0) return kBunZero;
  const Bunsuu64 ka = BunYaku(BunToKa(a, sink));
  if (!ka.valid()) return kBunInvalid;
  const Bunsuu64 kb = BunYaku(BunToKa(b, sink));
  if (!kb.valid()) return kBunInvalid;
  if (!Int64MulCheck(ka.denominator, kb.denominator, sink)) return kBunInvalid;
  if (!Int64MulCheck(ka.numerator, kb.numerator, sink)) return kBunInvalid;
  return BunYaku(BunMake(signOf(a.sign) * signOf(b.sign), 0, ka.denominator * kb.denominator,
                         ka.numerator * kb.numerator));
}

Bunsuu64 BunDiv(const Bunsuu64& a, const Bunsuu64& b, MessageSink& sink) {
  return BunMul(a, BunInv(b, sink), sink);
}

Bunsuu64 BunPow(const Bunsuu64& f, int32_t e, MessageSink& sink) {
  if (!wellFormed(f)) return kBunInvalid;
  const Bunsuu64 g = BunToKa(BunYaku(f), sink);
  if (!g.valid()) return kBunInvalid;
  if (g.sign == 0) return e == 0 ? kBunInvalid : kBunZero;
  if (e == 0) return kBunOne;
  const int64_t n = e < 0 ? -static_cast<int64_t>(e) : e;
  const int sign = (isNegative(g) && (n & 1) != 0) ? -1 : 1;
  // Integer powers are exact; no floating point is needed to stay within int64.
  int64_t p = 0;
  int64_t q = 0;
  if (!checkedPower(g.denominator, n, p) || !checkedPower(g.numerator, n, q)) return kBunInvalid;
  return e > 0 ? BunMake(sign, 0, p, q) : BunMake(sign, 0, q, p);
}

}  // namespace ravlo
