// Over thousands of generated numbers, every line of each conversion's worked solution, and
// the value it appends without the process display, equal the number converted.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/message_sink.h"
#include "core/number_theory.h"
#include "process/conversion_command.h"
#include "tests/process/line_values.h"
#include "tests/process/rational_util.h"

namespace ravlo::test {
namespace {

class Numbers {
 public:
  explicit Numbers(uint64_t seed) : rng_(seed) {}
  int64_t range(int64_t lo, int64_t hi) {
    return std::uniform_int_distribution<int64_t>(lo, hi)(rng_);
  }
  std::string digits(int count) {
    std::string s;
    for (int i = 0; i < count; ++i) s += static_cast<char>('0' + range(0, 9));
    return s;
  }

 private:
  std::mt19937_64 rng_;
};

Int128 pow10(std::size_t n) {
  Int128 p = 1;
  for (std::size_t i = 0; i < n; ++i) p *= 10;
  return p;
}

Int128 digitValue(const std::string& d) {
  Int128 v = 0;
  for (char c : d) v = v * 10 + (c - '0');
  return v;
}

struct Case {
  ConversionKind kind;
  std::string text;
  Rational truth;
};

class ConversionProperty : public ::testing::Test {
 protected:
  void check(const Case& c, int henkan) {
    SCOPED_TRACE(c.text);
    {
      ProcessContext ctx;
      ctx.options.PROCDSP = 1;
      ctx.options.HENKAN_YAKUBUN = henkan;
      RecordingSink sink;
      NumberTheory nt(sink);
      ConversionCommands commands(ctx, sink, nt);
      const ConversionResult r = commands.run(c.kind, c.text);
      ASSERT_TRUE(r.done);
      ASSERT_TRUE(r.processBuilt);
      EXPECT_TRUE(sink.empty());
      lines_.expectAllEqual(ctx.ProcText, c.truth);
    }
    {
      ProcessContext ctx;
      RecordingSink sink;
      NumberTheory nt(sink);
      ConversionCommands commands(ctx, sink, nt);
      const ConversionResult r = commands.run(c.kind, c.text);
      ASSERT_TRUE(r.done);
      const std::string value = r.line.substr(r.line.rfind('=') + 1);
      Rational got;
      ASSERT_TRUE(lines_.value(value, got)) << r.line;
      EXPECT_TRUE(got == c.truth) << r.line;
    }
  }

  LineValues lines_;
};

TEST_F(ConversionProperty, ReduceImproperAndMixed) {
  Numbers g(41);
  for (int round = 0; round < 1500; ++round) {
    const bool neg = g.range(0, 3) == 0;
    const std::string sign = neg ? "m" : "";
    const int64_t k = g.range(2, 12);
    const int64_t d = g.range(1, 30) * k;
    const int64_t n = g.range(1, 60) * k;
    const int64_t w = g.range(0, 1) == 0 ? 0 : g.range(1, 20);
    const std::string frac = std::to_string(d) + "b" + std::to_string(n);
    const std::string text = sign + (w != 0 ? std::to_string(w) + "k" + frac : frac);
    Rational truth = normalized({w * d + n, d});
    if (neg) truth.num = -truth.num;
    const int henkan = static_cast<int>(g.range(0, 1));
    check({ConversionKind::Yaku, text, truth}, henkan);
    if (w != 0) check({ConversionKind::Ka, text, truth}, henkan);
    if (w == 0 && n >= d) check({ConversionKind::Tai, text, truth}, henkan);
  }
}

TEST_F(ConversionProperty, ImproperToMixedWithoutCommonFactor) {
  Numbers g(43);
  for (int round = 0; round < 1500; ++round) {
    const int64_t d = g.range(1, 40);
    const int64_t n = g.range(d, 400);
    const bool neg = g.range(0, 3) == 0;
    Rational truth = normalized({n, d});
    if (neg) truth.num = -truth.num;
    const std::string text = (neg ? "m" : "") + std::to_string(d) + "b" + std::to_string(n);
    check({ConversionKind::Tai, text, truth}, static_cast<int>(g.range(0, 1)));
  }
}

TEST_F(ConversionProperty, DecimalsToFractions) {
  Numbers g(47);
  for (int round = 0; round < 1500; ++round) {
    const bool neg = g.range(0, 3) == 0;
    const int64_t w = g.range(0, 3) == 0 ? 0 : g.range(1, 500);
    const int places = static_cast<int>(g.range(1, 6));
    const std::string f = g.digits(places);
    std::string text = (neg ? "m" : "") + std::to_string(w) + "." + f;
    Rational truth = normalized({w * pow10(f.size()) + digitValue(f), pow10(f.size())});
    if (neg) truth.num = -truth.num;
    if (truth.num == 0) continue;
    check({ConversionKind::Syou, text, truth}, 1);
  }
  for (int round = 0; round < 200; ++round) {
    const int64_t v = g.range(1, 100000);
    const bool neg = g.range(0, 1) == 0;
    check({ConversionKind::Syou, (neg ? "m" : "") + std::to_string(v), {neg ? -v : v, 1}}, 1);
  }
}

TEST_F(ConversionProperty, RepeatingDecimalsToFractions) {
  Numbers g(53);
  for (int round = 0; round < 3000; ++round) {
    const bool neg = g.range(0, 4) == 0;
    const int64_t w = g.range(0, 2) == 0 ? g.range(1, 40) : 0;
    std::string f1 = g.digits(static_cast<int>(g.range(0, 3)));
    std::string f2 = g.digits(static_cast<int>(g.range(1, 4)));
    if (g.range(0, 3) == 0) f1 = std::string(f1.size(), '0');  // zeros before the period
    if (f2.find_first_not_of('0') == std::string::npos) f2.back() = '7';
    const std::string text = (neg ? "m" : "") + std::to_string(w) + "." + f1 + "@" + f2;
    // w + F1 / 10^g + F2 / (10^g (10^r - 1))
    const Int128 p = pow10(f1.size());
    const Int128 q = pow10(f2.size()) - 1;
    Rational truth = normalized({(w * p + digitValue(f1)) * q + digitValue(f2), p * q});
    if (neg) truth.num = -truth.num;
    check({ConversionKind::Junkan, text, truth}, 1);
  }
}

}  // namespace
}  // namespace ravlo::test
