// Reals as text: on the desktop the digits are std::to_chars's and the values std::from_chars's,
// in any locale; the narrowing that stands in for the 80-bit type where long double is wider;
// the portable logarithm and powers against the C library's.
#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "tools/model/real80.h"
#include "tools/model/real_math.h"
#include "tools/model/real_text.h"

namespace ravlo::test {
namespace {

std::string toChars(long double x) {
  std::vector<char> buf(6000);
  return {buf.data(), std::to_chars(buf.data(), buf.data() + buf.size(), x).ptr};
}

std::string toChars(long double x, std::chars_format f, int precision) {
  std::vector<char> buf(6000);
  return {buf.data(), std::to_chars(buf.data(), buf.data() + buf.size(), x, f, precision).ptr};
}

// Random significands, near 1 and over the whole range, and the edges of printing and rounding.
std::vector<long double> sampleValues() {
  std::vector<long double> v{0.0L, -0.0L, LDBL_TRUE_MIN, LDBL_MIN, LDBL_MAX, 1, 0.5L, 2.5L, 0.1L,
                             9.9999999999999999995L, 0.9999999999999999999L, 999999999999999999.5L,
                             1e21L, 0x1p64L, 0x1p64L - 1, 1.0L / 3, 1234567, 1e-4L, 1.5e-5L};
  // Exact ties at some number of places.
  for (int k = 1; k <= 64; ++k) v.push_back(1 + std::ldexp(1.0L, -k));
  std::mt19937_64 rng(20261211);
  for (int i = 0; i < 1200; ++i) {
    const int exponent = i % 8 ? static_cast<int>(rng() % 160) - 80 : static_cast<int>(rng() % 32800) - 16440;
    const long double x = std::ldexp(static_cast<long double>(rng() | 1ULL << 63), exponent - 63);
    v.push_back(i % 3 ? x : -x);
  }
  return v;
}

TEST(RealText, WritesWhatToCharsWrites) {
  for (long double x : sampleValues()) {
    EXPECT_EQ(realFixed(x, 18), toChars(x, std::chars_format::fixed, 18));
    for (int p : {0, 5, 17, 19, 20, 25})
      EXPECT_EQ(realScientific(x, p), toChars(x, std::chars_format::scientific, p));
    EXPECT_EQ(realShortest(x), toChars(x)) << realScientific(x, 25);
  }
}

std::optional<long double> fromChars(const std::string& text) {
  long double v = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size()) return std::nullopt;
  return v;
}

TEST(RealText, ReadsWhatFromCharsReads) {
  std::vector<std::string> texts{
      "1.18973149535723176505e4932", "1.2e4932", "1e-4940", "3.3621031431120935062e-4932",
      "3.36e-4932", "0e99999", "0.000e-99999999999999999999", "9223372036854775809",
      "18446744073709551617", "18446744073709551619", ".5", "5.", "000000.0001e4", "1E+3",
      "0." + std::string(5000, '0') + "1e5001", "1" + std::string(40, '0') + "e-40"};
  for (long double x : sampleValues()) {
    const long double m = std::fabs(x);
    for (int p : {17, 19, 25}) texts.push_back(realScientific(m, p));
    texts.push_back(realShortest(m));
  }
  for (const std::string& text : texts) EXPECT_EQ(readDecimal(text), fromChars(text)) << text;
}

TEST(RealText, KeepsItsPointInACommaLocale) {
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  EXPECT_EQ(realFixed(1.25L, 3), "1.250");
  EXPECT_EQ(realScientific(1234.5L, 2), "1.23e+03");
  EXPECT_EQ(realShortest(0.1L), "0.1");
  EXPECT_EQ(readDecimal("1.5"), 1.5L);
  std::setlocale(LC_NUMERIC, "C");
}

// Narrowing tried on double into float, whose own rounding is the reference.
constexpr NarrowFormat kFloat{24, -126, 127};

TEST(NarrowRounding, RoundsAsTheNarrowTypeDoes) {
  std::vector<double> xs{0.0, -0.0, FLT_MAX, FLT_TRUE_MIN, FLT_TRUE_MIN / 2, FLT_TRUE_MIN * 1.5,
                         FLT_MIN * (1 - 0x1p-25), 1 + 0x1p-24, 1 + 0x1p-23 + 0x1p-24};
  std::mt19937_64 rng(7);
  for (int i = 0; i < 5000; ++i) {
    const double x = std::ldexp(static_cast<double>(rng() >> 11), static_cast<int>(rng() % 280) - 53 - 152);
    xs.push_back(i % 2 ? x : -x);
  }
  for (double x : xs) {
    if (std::fabs(x) > FLT_MAX) continue;
    const double expected = static_cast<float>(x);
    EXPECT_EQ(roundToNarrow(x, kFloat), expected) << std::hexfloat << x;
    EXPECT_EQ(std::signbit(roundToNarrow(x, kFloat)), std::signbit(x)) << x;
  }
  const double halfPastMax = FLT_MAX + std::ldexp(1.0, 127 - 24);
  EXPECT_EQ(roundToNarrow(halfPastMax, kFloat), HUGE_VAL);
  EXPECT_EQ(roundToNarrow(-halfPastMax, kFloat), -HUGE_VAL);
  EXPECT_EQ(roundToNarrow(std::nextafter(halfPastMax, 0.0), kFloat), FLT_MAX);
}

TEST(NarrowRounding, AMidpointGoesToTheSideOfTheExactValue) {
  const double up = 1 + 0x1p-23;
  for (auto [x, side, expected] :
       {std::tuple{1 + 0x1p-24, 1, up}, std::tuple{1 + 0x1p-24, -1, 1.0}, std::tuple{1 + 0x1p-24, 0, 1.0},
        std::tuple{up + 0x1p-24, 0, up + 0x1p-23}, std::tuple{-(1 + 0x1p-24), 1, -1.0},
        std::tuple{1 + 0x1p-25, 1, 1.0}, std::tuple{FLT_MAX + 0x1p103, -1, double{FLT_MAX}}}) {
    EXPECT_EQ(roundToNarrow(x, kFloat, side), expected) << std::hexfloat << x << " " << side;
  }
}

long double ulpsApart(long double a, long double b) {
  return std::fabs(a - b) / (std::nextafter(std::fabs(b), HUGE_VALL) - std::fabs(b));
}

TEST(PortableMath, AgreesWithTheCLibrary) {
  std::mt19937_64 rng(11);
  const auto uniform = [&](long double lo, long double hi) {
    return lo + (hi - lo) * static_cast<long double>(rng()) * 0x1p-64L;
  };
  for (int i = 0; i < 2000; ++i) {
    const long double x = std::ldexp(uniform(1, 2), static_cast<int>(rng() % 32000) - 16000);
    EXPECT_LE(ulpsApart(portableLog(x), std::log(x)), 4) << x;
    EXPECT_LE(ulpsApart(portableLog10(x), std::log10(x)), 4) << x;
    const long double near1 = uniform(0.5L, 1.5L);
    EXPECT_LE(ulpsApart(portableLog(near1), std::log(near1)), 4) << near1;
    const long double e = uniform(-60, 60);
    EXPECT_LE(ulpsApart(portableExp(e), std::exp(e)), 4 + std::fabs(e)) << e;
    const long double a = uniform(0, 10), b = uniform(-20, 20);
    // ln a, off by an ulp or two, is multiplied by b.
    EXPECT_LE(ulpsApart(portablePow(a, b), std::pow(a, b)), 4 + 2 * std::fabs(b * std::log(a))) << a << " " << b;
  }
}

TEST(PortableMath, EdgesOfLogAndPow) {
  const long double inf = HUGE_VALL;
  EXPECT_EQ(portableLog(1), 0);
  EXPECT_EQ(portableLog(0), -inf);
  EXPECT_TRUE(std::isnan(portableLog(-1)));
  EXPECT_EQ(portableExp(12000), inf);
  EXPECT_EQ(portableExp(-12000), 0);
  for (auto [a, b, expected] :
       {std::tuple{-2.0L, 3.0L, -8.0L}, std::tuple{-2.0L, 2.0L, 4.0L}, std::tuple{0.0L, -1.0L, inf},
        std::tuple{-0.0L, -3.0L, -inf}, std::tuple{0.0L, 2.0L, 0.0L}, std::tuple{5.0L, 0.0L, 1.0L},
        std::tuple{1.0L, 1e30L, 1.0L}, std::tuple{10.0L, 5000.0L, inf}, std::tuple{10.0L, -5000.0L, 0.0L}}) {
    const long double r = portablePow(a, b);
    if (std::isinf(expected)) {
      EXPECT_EQ(r, expected) << a << "^" << b;
    } else {
      EXPECT_LE(ulpsApart(r, expected), 2) << a << "^" << b;
    }
  }
  EXPECT_TRUE(std::isnan(portablePow(-8, 0.5L)));
}

}  // namespace
}  // namespace ravlo::test
