#include "core/prime_factor.h"

#include <algorithm>
#include <array>

namespace ravlo {
namespace {

using u64 = std::uint64_t;
__extension__ typedef unsigned __int128 u128;

// Primes below 256 are divided out directly; what is left has no factor below 257.
constexpr u64 kTrialBound = 256;

constexpr auto kSmallPrimes = [] {
  std::array<bool, kTrialBound> composite{};
  std::array<u64, 54> primes{};
  std::size_t count = 0;
  for (u64 i = 2; i < kTrialBound; ++i) {
    if (composite[i]) continue;
    primes[count++] = i;
    for (u64 j = i * i; j < kTrialBound; j += i) composite[j] = true;
  }
  return primes;
}();
static_assert(kSmallPrimes.back() == 251);

// Arithmetic modulo an odd n in Montgomery form (R = 2^64).
class Montgomery {
 public:
  explicit Montgomery(u64 n) : n_(n) {
    u64 inv = n;  // n * n == 1 (mod 8) for odd n; each Newton step doubles the good bits
    for (int i = 0; i < 5; ++i) inv *= 2 - n * inv;
    nInv_ = inv;
    one_ = (0 - n) % n;
    r2_ = static_cast<u64>(static_cast<u128>(one_) * one_ % n);
  }
  u64 modulus() const { return n_; }
  u64 one() const { return one_; }
  u64 reduce(u128 t) const {
    const u64 m = static_cast<u64>(t) * nInv_;
    const u64 mnHigh = static_cast<u64>((static_cast<u128>(m) * n_) >> 64);
    const u64 tHigh = static_cast<u64>(t >> 64);
    return tHigh >= mnHigh ? tHigh - mnHigh : tHigh - mnHigh + n_;
  }
  u64 mul(u64 a, u64 b) const { return reduce(static_cast<u128>(a) * b); }
  u64 add(u64 a, u64 b) const {
    const u64 s = a + b;  // may wrap when n is above 2^63; the subtraction then unwraps it
    return (s < a || s >= n_) ? s - n_ : s;
  }
  u64 toForm(u64 a) const { return mul(a % n_, r2_); }
  u64 pow(u64 base, u64 e) const {
    u64 result = one_;
    while (e > 0) {
      if (e & 1) result = mul(result, base);
      base = mul(base, base);
      e >>= 1;
    }
    return result;
  }

 private:
  u64 n_;
  u64 nInv_ = 0;
  u64 one_ = 0;
  u64 r2_ = 0;
};

u64 gcd64(u64 a, u64 b) {
  if (a == 0) return b;
  if (b == 0) return a;
  const int shift = __builtin_ctzll(a | b);
  a >>= __builtin_ctzll(a);
  while (b != 0) {
    b >>= __builtin_ctzll(b);
    if (a > b) std::swap(a, b);
    b -= a;
  }
  return a << shift;
}

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

// A divisor of the odd composite n (1 < d <= n; n itself when this c fails), or 0 when
// stopped.
u64 pollardBrent(const Montgomery& mont, u64 c, const std::function<bool()>& stop) {
  constexpr u64 kBatch = 128;
  const u64 n = mont.modulus();
  auto step = [&](u64 v) { return mont.add(mont.mul(v, v), c); };
  auto distance = [](u64 a, u64 b) { return a > b ? a - b : b - a; };
  u64 y = mont.add(mont.one(), mont.one()), x = y, ys = y, q = mont.one(), g = 1;
  for (u64 r = 1; g == 1; r *= 2) {
    x = y;
    for (u64 i = 0; i < r; ++i) y = step(y);
    for (u64 k = 0; k < r && g == 1; k += kBatch) {
      if (stop && stop()) return 0;
      ys = y;
      const u64 rounds = std::min(kBatch, r - k);
      for (u64 i = 0; i < rounds; ++i) {
        y = step(y);
        q = mont.mul(q, distance(x, y));
      }
      g = gcd64(q, n);
    }
  }
  if (g == n) {
    // The batch overshot: walk it again one step at a time.
    do {
      ys = step(ys);
      g = gcd64(distance(x, ys), n);
    } while (g == 1);
  }
  return g;
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
    const Montgomery mont(m);
    u64 d = m;
    for (u64 c = 1; d == m; ++c) {
      d = pollardBrent(mont, mont.toForm(c), stop);
      if (d == 0) return std::nullopt;
    }
    pending.push_back(d);
    pending.push_back(m / d);
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
