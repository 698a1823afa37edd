#include "core/prime_factor.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/ecm64.h"
#include "core/montgomery64.h"
#include "core/pollard_rho.h"

namespace ravlo {
namespace {

using u64 = std::uint64_t;

// Primes below 256 are divided out directly; what is left has no factor below 257.
constexpr u64 kTrialBound = 256;

constexpr auto kSmallPrimes = [] {
  std::array<bool, kTrialBound> composite{};
  std::array<u64, 54> primes{};
  std::size_t count = 0;
  for (std::size_t i = 2; i < kTrialBound; ++i) {
    if (composite[i]) continue;
    primes[count++] = i;
    for (std::size_t j = i * i; j < kTrialBound; j += i) composite[j] = true;
  }
  return primes;
}();
static_assert(kSmallPrimes.back() == 251);

using detail::Montgomery;

// Miller-Rabin for odd n > 37 with the first twelve primes as bases: deterministic far beyond
// 2^64.
bool millerRabin(u64 n) {
  const Montgomery mont(n);
  u64 d = n - 1;
  const int s = __builtin_ctzll(d);
  d >>= s;
  const u64 minusOne = n - mont.one();
  for (u64 a : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37}) {
    u64 x = mont.pow(mont.toForm(a), d);
    if (x == mont.one() || x == minusOne) continue;
    bool witness = true;
    for (int i = 1; i < s && witness; ++i) {
      x = mont.mul(x, x);
      if (x == minusOne) witness = false;
    }
    if (witness) return false;
  }
  return true;
}

// An odd composite with no factor below 257: a square, else the elliptic-curve method, else
// (never seen, but certain to end) Pollard's rho; small ones go straight to rho.
std::optional<u64> splitComposite(u64 m, const std::function<bool()>& stop) {
  auto root = static_cast<u64>(std::sqrt(static_cast<long double>(m)));
  while (static_cast<detail::U128>(root) * root > m) --root;
  while (static_cast<detail::U128>(root + 1) * (root + 1) <= m) ++root;
  if (root * root == m) return root;
  const Montgomery mont(m);
  if (m >= (u64{1} << 42)) {
    const auto d = detail::ecmFactor(mont, detail::EcmBounds{}, stop);
    if (!d) return std::nullopt;
    if (*d != 0) return d;
  }
  return detail::pollardRhoFactor(mont, stop);
}

}  // namespace

bool isPrime64(u64 n) {
  if (n < 2) return false;
  for (u64 p : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37})
    if (n % p == 0) return n == p;
  if (n < 41 * 41) return true;
  return millerRabin(n);
}

std::optional<std::vector<PrimePower>> factorize64(u64 n, const std::function<bool()>& stop) {
  // Every prime divides 0: the division loop below would never end.
  if (n == 0) return std::nullopt;
  std::vector<u64> primes;
  for (u64 p : kSmallPrimes) {
    if (n % p != 0) continue;
    do {
      n /= p;
      primes.push_back(p);
    } while (n % p == 0);
  }
  std::vector<u64> pending;
  if (n > 1) pending.push_back(n);
  while (!pending.empty()) {
    const u64 m = pending.back();
    pending.pop_back();
    if (m < (kTrialBound + 1) * (kTrialBound + 1) || isPrime64(m)) {
      primes.push_back(m);
      continue;
    }
    const auto d = splitComposite(m, stop);
    if (!d) return std::nullopt;
    pending.push_back(*d);
    pending.push_back(m / *d);
  }
  std::sort(primes.begin(), primes.end());
  std::vector<PrimePower> result;
  for (u64 p : primes) {
    if (!result.empty() && result.back().prime == p)
      ++result.back().exponent;
    else
      result.push_back({p, 1});
  }
  return result;
}

std::string factorizationText(const std::vector<PrimePower>& factors) {
  if (factors.empty()) return "1";
  std::string text;
  for (const auto& f : factors) {
    if (!text.empty()) text += '*';
    text += std::to_string(f.prime);
    if (f.exponent >= 2) {
      text += '^';
      text += std::to_string(f.exponent);
    }
  }
  return text;
}

}  // namespace ravlo
