#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <random>
#include <string>

#include "core/prime_factor.h"

namespace ravlo {
namespace {

// The plain method the fast factorization must agree with: 2, then the odd numbers, up to the
// square root of what is left, the text built as it goes.
std::string trialDivisionText(std::int64_t n) {
  auto limitOf = [](std::int64_t v) {
    return static_cast<std::int64_t>(std::sqrt(static_cast<long double>(v))) + 1;
  };
  std::string result, factor;
  int count = 0;
  std::int64_t p = 2, limit = limitOf(n);
  while (true) {
    if (n % p == 0) {
      n /= p;
      ++count;
      factor = "*" + std::to_string(p) + (count >= 2 ? "^" + std::to_string(count) : "");
      if (n == 1) {
        result += factor;
        break;
      }
      limit = limitOf(n);
      continue;
    }
    ++p;
    if (count > 0) {
      result += factor;
      factor.clear();
      count = 0;
    }
    if (p <= limit) {
      if (p % 2 == 0) ++p;
      continue;
    }
    result += "*" + std::to_string(n);
    break;
  }
  return result.substr(1);
}

bool trialIsPrime(std::uint64_t n) {
  if (n < 2) return false;
  for (std::uint64_t d = 2; d * d <= n; ++d)
    if (n % d == 0) return false;
  return true;
}

std::uint64_t primeAtOrBelow(std::uint64_t n) {
  while (!trialIsPrime(n)) --n;
  return n;
}

std::string fastText(std::uint64_t n) {
  auto f = factorize64(n);
  return f ? factorizationText(*f) : "stopped";
}

TEST(PrimeFactor, AgreesWithTrialDivisionForEverySmallValue) {
  for (std::int64_t n = 1; n <= 200000; ++n)
    ASSERT_EQ(fastText(static_cast<std::uint64_t>(n)), trialDivisionText(n)) << n;
}

TEST(PrimeFactor, AgreesWithTrialDivisionForRandomValuesWithSmallFactors) {
  std::mt19937_64 rng(20261209);
  constexpr std::uint64_t kSmall[] = {2, 3, 5, 7, 11, 13, 97, 251, 257, 65537};
  for (int i = 0; i < 400; ++i) {
    std::uint64_t n = (rng() >> 28) | 1;  // a cofactor below 2^36
    for (int k = static_cast<int>(rng() % 8); k > 0; --k) {
      const std::uint64_t p = kSmall[rng() % std::size(kSmall)];
      if (n > (std::uint64_t{1} << 62) / p) break;
      n *= p;
    }
    ASSERT_EQ(fastText(n), trialDivisionText(static_cast<std::int64_t>(n))) << n;
  }
}

// Values built from primes found by trial division, so the expected text is known without
// the code under test: every path (rho, curves, squares) meets several of them.
TEST(PrimeFactor, ValuesBuiltFromKnownPrimes) {
  std::mt19937_64 rng(42);
  auto randomPrime = [&](int bits) {
    std::uint64_t p;
    do p = (rng() >> (64 - bits)) | (std::uint64_t{1} << (bits - 1)); while (!trialIsPrime(p));
    return p;
  };
  for (int i = 0; i < 300; ++i) {
    std::map<std::uint64_t, int> expected;
    std::uint64_t n = 1;
    for (int k = 1 + static_cast<int>(rng() % 4); k > 0; --k) {
      const std::uint64_t p = randomPrime(2 + static_cast<int>(rng() % 31));
      if (n > (std::uint64_t{1} << 63) / p) break;
      n *= p;
      ++expected[p];
    }
    std::string text;
    for (const auto& [p, e] : expected)
      text += (text.empty() ? "" : "*") + std::to_string(p) + (e > 1 ? "^" + std::to_string(e) : "");
    ASSERT_EQ(fastText(n), text.empty() ? "1" : text) << n;
  }
}

TEST(PrimeFactor, HardValuesGiveTheSameTextAsTrialDivision) {
  const std::uint64_t p31 = primeAtOrBelow((std::uint64_t{1} << 31) - 1);
  const std::uint64_t p32 = primeAtOrBelow((std::uint64_t{1} << 32) - 1);
  const std::uint64_t root = primeAtOrBelow(3037000499);  // largest prime whose square < 2^63
  const std::uint64_t below = primeAtOrBelow(root - 1);
  const auto pq = [](std::uint64_t a, std::uint64_t b) {
    return std::to_string(a) + "*" + std::to_string(b);
  };
  struct Row {
    std::uint64_t n;
    std::string text;
  } rows[] = {
      {9223372036854775807ULL, "7^2*73*127*337*92737*649657"},
      {9223372036854775783ULL, "9223372036854775783"},  // largest prime below 2^63
      {std::uint64_t{1} << 62, "2^62"},
      {600, "2^3*3*5^2"},
      {p31 * p32, pq(p31, p32)},
      {root * below, pq(below, root)},
      {root * root, std::to_string(root) + "^2"},
      {65537ULL * 65537 * 65537, "65537^3"},
      {257ULL * 257, "257^2"},  // the first square past the small-prime table
      {3215031751ULL, "151*751*28351"},  // strong pseudoprime to bases 2, 3, 5 and 7
      {3825123056546413051ULL, "149491*747451*34233211"},  // to every base up to 23
      {4611686014132420609ULL, "2147483647^2"},
      {1000000016000000063ULL, "1000000007*1000000009"},
  };
  for (const auto& row : rows) EXPECT_EQ(fastText(row.n), row.text) << row.n;
}

TEST(PrimeFactor, WholeUnsignedRangeFactors) {
  EXPECT_EQ(fastText(18446744073709551615ULL), "3*5*17*257*641*65537*6700417");
  EXPECT_EQ(fastText(18446744073709551557ULL), "18446744073709551557");
  EXPECT_EQ(fastText(18446744030759878681ULL), "4294967291^2");
}

TEST(PrimeFactor, PrimalityMatchesTrialDivision) {
  for (std::uint64_t n = 0; n <= 100000; ++n) ASSERT_EQ(isPrime64(n), trialIsPrime(n)) << n;
  // Carmichael numbers and strong pseudoprimes are composite.
  for (std::uint64_t n : {561ULL, 1105ULL, 41041ULL, 2047ULL, 3215031751ULL, 2152302898747ULL,
                          3474749660383ULL, 341550071728321ULL, 3825123056546413051ULL})
    EXPECT_FALSE(isPrime64(n)) << n;
  for (std::uint64_t n : {2147483647ULL, 4294967291ULL, 1000000007ULL, 9223372036854775783ULL,
                          18446744073709551557ULL})
    EXPECT_TRUE(isPrime64(n)) << n;
}

TEST(PrimeFactor, ZeroHasNoFactorization) {
  // Every prime divides 0; the routine must still return.
  EXPECT_FALSE(factorize64(0).has_value());
}

TEST(PrimeFactor, StopRequestEndsTheSearch) {
  int asked = 0;
  auto stopAtOnce = [&] { return ++asked >= 1; };
  EXPECT_FALSE(factorize64(9223371944512979039ULL, stopAtOnce).has_value());
  EXPECT_EQ(asked, 1);
  // Values that need no search never ask.
  for (std::uint64_t n : {1ULL, 600ULL, 9223372036854775783ULL, 4611686018427387904ULL})
    EXPECT_TRUE(factorize64(n, stopAtOnce).has_value()) << n;
  EXPECT_EQ(asked, 1);
}

}  // namespace
}  // namespace ravlo
