#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/message_sink.h"
#include "core/number_theory.h"
#include "core/prime_factor.h"

namespace {

// The classic method, for comparison: 2, then the odd numbers up to the square root of what
// is left, polling for an interrupt after every trial divisor.
std::string trialDivision(std::int64_t n, ravlo::MessageSink& sink) {
  std::string result;
  auto append = [&result](std::int64_t factor, int count) {
    if (!result.empty()) result += '*';
    result += std::to_string(factor);
    if (count > 1) {
      result += '^';
      result += std::to_string(count);
    }
  };
  auto limitOf = [](std::int64_t v) {
    return static_cast<std::int64_t>(std::sqrt(static_cast<long double>(v))) + 1;
  };
  std::int64_t p = 2, limit = limitOf(n);
  int count = 0;
  while (n > 1) {
    if (n % p == 0) {
      n /= p;
      ++count;
      limit = limitOf(n);
      continue;
    }
    if (sink.interruptRequested()) return "n";
    if (count > 0) append(p, count);
    count = 0;
    p += (p == 2) ? 1 : 2;
    if (p > limit) {
      append(n, 1);
      return result;
    }
  }
  if (count > 0) append(p, count);
  return result;
}

void BM_SoinsuuBunkai(benchmark::State& state, const char* text) {
  ravlo::NullSink sink;
  ravlo::NumberTheory nt(sink);
  for (auto _ : state) benchmark::DoNotOptimize(nt.SoinsuuBunkai(text));
}

// Largest 63-bit prime: one Miller-Rabin test.
BENCHMARK_CAPTURE(BM_SoinsuuBunkai, prime_9223372036854775783, "9223372036854775783");
// 2^63 - 1 = 7^2*73*127*337*92737*649657.
BENCHMARK_CAPTURE(BM_SoinsuuBunkai, int64_max, "9223372036854775807");
BENCHMARK_CAPTURE(BM_SoinsuuBunkai, two_pow_62, "4611686018427387904");
// Products of two primes of 31 and 32 bits (2147483629 * 4294967291), and of two primes next
// to the square root of 2^63 (3037000453 * 3037000493):
// the worst cases for Pollard's rho.
BENCHMARK_CAPTURE(BM_SoinsuuBunkai, p31_times_p32, "9223371944512979039");
BENCHMARK_CAPTURE(BM_SoinsuuBunkai, balanced_semiprime, "9223371873002223329");
BENCHMARK_CAPTURE(BM_SoinsuuBunkai, p1000000007_times_p1000000009, "1000000016000000063");
BENCHMARK_CAPTURE(BM_SoinsuuBunkai, twelve_digit_prime, "999999999989");
BENCHMARK_CAPTURE(BM_SoinsuuBunkai, small_600, "600");

// Random products of two 31-bit primes, one value per iteration: the mean over the hard case.
void BM_BalancedSemiprimeSet(benchmark::State& state) {
  std::mt19937_64 rng(2026);
  std::vector<std::uint64_t> values;
  while (values.size() < 512) {
    std::uint64_t p = 0, q = 0;
    do p = (rng() >> 33) | (std::uint64_t{1} << 30) | 1; while (!ravlo::isPrime64(p));
    do q = (rng() >> 33) | (std::uint64_t{1} << 30) | 1; while (!ravlo::isPrime64(q));
    if (p != q) values.push_back(p * q);
  }
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ravlo::factorize64(values[i]));
    i = (i + 1) % values.size();
  }
}
BENCHMARK(BM_BalancedSemiprimeSet);

// A sweep of consecutive large values, the average case.
void BM_Factorize64Sweep(benchmark::State& state) {
  std::uint64_t n = 9223372036854775807ULL - 1000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ravlo::factorize64(n));
    if (++n == 9223372036854775807ULL) n -= 1000;
  }
}
BENCHMARK(BM_Factorize64Sweep);

void BM_TrialDivision(benchmark::State& state, std::int64_t n) {
  ravlo::NullSink sink;
  for (auto _ : state) benchmark::DoNotOptimize(trialDivision(n, sink));
}
// Trial division of 12- and 15-digit primes: about 5 * 10^5 and 1.6 * 10^7 trial divisors.
// The time grows with the square root, so a 19-digit prime takes some thousands of times the
// 12-digit figure.
BENCHMARK_CAPTURE(BM_TrialDivision, twelve_digit_prime, 999999999989LL)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TrialDivision, fifteen_digit_prime, 999999999999989LL)
    ->Unit(benchmark::kMillisecond);

}  // namespace
