// The four operations against an independent exact computation on 128-bit rationals: a valid
// result always has the exact value, a failure always comes with a message, and operands and
// results small enough for the bound never fail.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <sstream>
#include <string>

#include "core/bunsuu64.h"
#include "tests/core/core_test_util.h"

namespace ravlo {
namespace {

__extension__ typedef __int128 Int128;

// A reduced rational p/q with q > 0.
struct Rational {
  Int128 p;
  Int128 q;
};

Int128 abs128(Int128 v) { return v < 0 ? -v : v; }

Int128 gcd128(Int128 a, Int128 b) {
  a = abs128(a);
  b = abs128(b);
  while (b != 0) {
    const Int128 r = a % b;
    a = b;
    b = r;
  }
  return a;
}

Rational reduced(Int128 p, Int128 q) {
  if (q < 0) {
    p = -p;
    q = -q;
  }
  if (p == 0) return {0, 1};
  const Int128 g = gcd128(p, q);
  return {p / g, q / g};
}

Rational valueOf(const Bunsuu64& f) {
  const Int128 magnitude = static_cast<Int128>(f.integer) * f.denominator + f.numerator;
  return reduced(f.sign < 0 ? -magnitude : (f.sign == 0 ? 0 : magnitude), f.denominator);
}

std::string show(const Bunsuu64& f) {
  std::ostringstream os;
  PrintTo(f, &os);
  return os.str();
}

enum class Op { Add, Sub, Mul, Div };

// Operands as the readers and operations produce them: integers, proper, mixed and improper
// forms and zeros, for a value p/q with p and q up to maxPart (so the reference stays exact).
Bunsuu64 randomValue(std::mt19937_64& rng, int64_t maxPart) {
  std::uniform_int_distribution<int64_t> part(1, maxPart);
  std::uniform_int_distribution<int> shape(0, 9);
  const int8_t sign = (rng() & 1) != 0 ? 1 : -1;
  const int64_t p = part(rng);
  const int64_t q = part(rng) + 1;
  switch (shape(rng)) {
    case 0:
      return kBunZero;
    case 1:
      return {sign, 0, 1, p};   // an integer read as numerator over 1
    case 2:
      return {sign, p, 1, 0};   // an integer part alone
    case 3:
    case 4:
      return {sign, 0, q, p};   // improper
    case 5:
    case 6:
      return {sign, 0, q, p % q == 0 ? 1 : p % q};  // proper
    default:
      return {sign, p / q, q, p % q};  // mixed
  }
}

struct Outcome {
  int checked = 0;
  int failed = 0;
};

void checkOne(Op op, const Bunsuu64& a, const Bunsuu64& b, bool mustSucceed, Outcome& out) {
  RecordingSink sink;
  const Rational x = valueOf(a);
  const Rational y = valueOf(b);
  Bunsuu64 r;
  Rational exact{0, 1};
  switch (op) {
    case Op::Add:
      r = BunAdd(a, b, sink);
      exact = reduced(x.p * y.q + y.p * x.q, x.q * y.q);
      break;
    case Op::Sub:
      r = BunSub(a, b, sink);
      exact = reduced(x.p * y.q - y.p * x.q, x.q * y.q);
      break;
    case Op::Mul:
      r = BunMul(a, b, sink);
      exact = reduced(x.p * y.p, x.q * y.q);
      break;
    case Op::Div:
      if (y.p == 0) return;  // the caller reports division by zero; tested elsewhere
      r = BunDiv(a, b, sink);
      exact = reduced(x.p * y.q, x.q * y.p);
      break;
  }
  ++out.checked;
  const std::string trace = "op " + std::to_string(static_cast<int>(op)) + " a=" + show(a) +
                            " b=" + show(b) + " r=" + show(r);
  if (r.valid()) {
    const Rational got = valueOf(r);
    EXPECT_TRUE(got.p == exact.p && got.q == exact.q) << trace;
    EXPECT_TRUE(r.integer >= 0 && r.denominator > 0 && r.numerator >= 0) << trace;
    // A zero result is the value zero, never a signed "zero" that prints oddly.
    if (exact.p == 0) {
      EXPECT_EQ(r.sign, 0) << trace;
    } else {
      EXPECT_EQ(r.sign, exact.p < 0 ? -1 : 1) << trace;
    }
  } else {
    ++out.failed;
    EXPECT_FALSE(sink.boxes().empty()) << "failure without a message: " << trace;
    EXPECT_FALSE(mustSucceed) << trace;
  }
}

TEST(FractionProperty, SmallOperandsAreExactAndNeverFail) {
  std::mt19937_64 rng(20261209);
  Outcome out;
  for (int i = 0; i < 20000; ++i) {
    const Bunsuu64 a = randomValue(rng, 1 << 12);
    const Bunsuu64 b = randomValue(rng, 1 << 12);
    for (Op op : {Op::Add, Op::Sub, Op::Mul, Op::Div}) checkOne(op, a, b, true, out);
  }
  EXPECT_GT(out.checked, 70000);
  EXPECT_EQ(out.failed, 0);
}

TEST(FractionProperty, LargeOperandsAreExactOrFailWithAMessage) {
  std::mt19937_64 rng(7);
  Outcome out;
  for (int64_t maxPart : {int64_t{1} << 31, int64_t{1} << 40, int64_t{1} << 61}) {
    for (int i = 0; i < 5000; ++i) {
      const Bunsuu64 a = randomValue(rng, maxPart);
      const Bunsuu64 b = randomValue(rng, maxPart);
      for (Op op : {Op::Add, Op::Sub, Op::Mul, Op::Div}) checkOne(op, a, b, false, out);
    }
  }
  // Both outcomes must really occur, or the test proves nothing about either.
  EXPECT_GT(out.failed, 1000);
  EXPECT_GT(out.checked - out.failed, 1000);
}

}  // namespace
}  // namespace ravlo
