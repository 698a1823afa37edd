#include "core/pollard_rho.h"

#include <algorithm>

namespace ravlo::detail {
namespace {

using u64 = std::uint64_t;

// A divisor of n for the walk y -> y^2 + c (1 < d <= n; n itself when this walk fails), or 0
// when stopped.
u64 brentWalk(const Montgomery& mont, u64 c, const std::function<bool()>& stop) {
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

std::optional<std::uint64_t> pollardRhoFactor(const Montgomery& mont,
                                              const std::function<bool()>& stop) {
  for (u64 c = 1;; ++c) {
    const u64 d = brentWalk(mont, mont.toForm(c), stop);
    if (d == 0) return std::nullopt;
    if (d != mont.modulus()) return d;
  }
}

}  // namespace ravlo::detail
