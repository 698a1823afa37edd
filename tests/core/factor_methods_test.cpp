#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "core/ecm64.h"
#include "core/pollard_rho.h"
#include "core/prime_factor.h"

namespace ravlo::detail {
namespace {

// Products of two random primes of the given size: the hard case for both methods.
std::vector<std::uint64_t> semiprimes(int bits, int count, std::uint64_t seed) {
  std::mt19937_64 rng(seed);
  std::vector<std::uint64_t> out;
  while (static_cast<int>(out.size()) < count) {
    std::uint64_t p = 0, q = 0;
    do p = (rng() >> (64 - bits)) | (std::uint64_t{1} << (bits - 1)) | 1; while (!isPrime64(p));
    do q = (rng() >> (64 - bits)) | (std::uint64_t{1} << (bits - 1)) | 1; while (!isPrime64(q));
    if (p != q && p <= UINT64_MAX / q) out.push_back(p * q);
  }
  return out;
}

bool properDivisor(std::uint64_t d, std::uint64_t n) { return d > 1 && d < n && n % d == 0; }

TEST(FactorMethods, EllipticCurvesSplitSemiprimes) {
  for (int bits : {22, 28, 31, 32}) {
    for (std::uint64_t n : semiprimes(bits, 40, static_cast<std::uint64_t>(bits))) {
      const Montgomery mont(n);
      const auto d = ecmFactor(mont, EcmBounds{}, {});
      ASSERT_TRUE(d.has_value());
      EXPECT_TRUE(properDivisor(*d, n)) << n << " gave " << *d;
    }
  }
}

TEST(FactorMethods, RhoSplitsWhatTheCurvesMiss) {
  // Rho is the fallback; it must split the hardest values on its own too.
  for (std::uint64_t n : semiprimes(31, 3, 5)) {
    const Montgomery mont(n);
    const auto d = pollardRhoFactor(mont, {});
    ASSERT_TRUE(d.has_value());
    EXPECT_TRUE(properDivisor(*d, n)) << n << " gave " << *d;
  }
  for (std::uint64_t n : {1022117ULL, 1000000016000000063ULL, 4611686014132420609ULL}) {
    const Montgomery mont(n);
    const auto d = pollardRhoFactor(mont, {});
    ASSERT_TRUE(d.has_value());
    EXPECT_TRUE(properDivisor(*d, n)) << n << " gave " << *d;
  }
}

TEST(FactorMethods, NoCurvesFindNothing) {
  const Montgomery mont(1000000016000000063ULL);
  EcmBounds bounds;
  bounds.curves = 0;
  EXPECT_EQ(ecmFactor(mont, bounds, {}), std::optional<std::uint64_t>(0));
}

TEST(FactorMethods, BothStopWhenAsked) {
  const Montgomery mont(9223371873002223329ULL);  // 3037000453 * 3037000493
  int asked = 0;
  auto stopAtThird = [&] { return ++asked == 3; };
  EXPECT_FALSE(pollardRhoFactor(mont, stopAtThird).has_value());
  EXPECT_EQ(asked, 3);
  asked = 0;
  EXPECT_FALSE(ecmFactor(mont, EcmBounds{}, [&] { return ++asked == 1; }).has_value());
  EXPECT_EQ(asked, 1);
}

}  // namespace
}  // namespace ravlo::detail
