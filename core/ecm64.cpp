#include "core/ecm64.h"

#include <array>
#include <vector>

namespace ravlo::detail {
namespace {

using u64 = std::uint64_t;

struct Point {
  u64 x, z;
};

// Montgomery curves B y^2 = x^3 + A x^2 + x in projective x-only form; a24 = (A + 2) / 4.
class Curve {
 public:
  Curve(const Montgomery& m, u64 a24) : m_(m), a24_(a24) {}

  Point dbl(Point p) const {
    const u64 s = m_.add(p.x, p.z), d = m_.sub(p.x, p.z);
    const u64 s2 = m_.mul(s, s), d2 = m_.mul(d, d);
    const u64 t = m_.sub(s2, d2);  // 4xz
    return {m_.mul(s2, d2), m_.mul(t, m_.add(d2, m_.mul(a24_, t)))};
  }
  // p + q where diff = p - q.
  Point add(Point p, Point q, Point diff) const {
    const u64 u = m_.mul(m_.sub(p.x, p.z), m_.add(q.x, q.z));
    const u64 v = m_.mul(m_.add(p.x, p.z), m_.sub(q.x, q.z));
    const u64 plus = m_.add(u, v), minus = m_.sub(u, v);
    return {m_.mul(diff.z, m_.mul(plus, plus)), m_.mul(diff.x, m_.mul(minus, minus))};
  }
  // [k]p by the Montgomery ladder, k >= 1.
  Point times(Point p, u64 k) const {
    if (k == 1) return p;
    Point r0 = p, r1 = dbl(p);
    for (int bit = 62 - __builtin_clzll(k); bit >= 0; --bit) {
      if ((k >> bit) & 1) {
        r0 = add(r1, r0, p);
        r1 = dbl(r1);
      } else {
        r1 = add(r0, r1, p);
        r0 = dbl(r0);
      }
    }
    return r0;
  }

 private:
  const Montgomery& m_;
  u64 a24_;
};

std::vector<u64> primesUpTo(int limit) {
  std::vector<bool> composite(static_cast<std::size_t>(limit) + 1);
  std::vector<u64> primes;
  for (int i = 2; i <= limit; ++i) {
    if (composite[static_cast<std::size_t>(i)]) continue;
    primes.push_back(static_cast<u64>(i));
    for (int j = i * i; j <= limit; j += i) composite[static_cast<std::size_t>(j)] = true;
  }
  return primes;
}

// Stage 1 multiplies by every prime power up to B1; they are packed into as few 64-bit
// scalars as fit.
std::vector<u64> stage1Scalars(int b1) {
  std::vector<u64> scalars;
  u64 current = 1;
  for (u64 p : primesUpTo(b1)) {
    u64 q = p;
    while (q * p <= static_cast<u64>(b1)) q *= p;
    if (current > UINT64_MAX / q) {
      scalars.push_back(current);
      current = 1;
    }
    current *= q;
  }
  if (current > 1) scalars.push_back(current);
  return scalars;
}

// a^-1 mod n for gcd(a, n) = 1.
u64 inverse(u64 a, u64 n) {
  __extension__ typedef __int128 I128;
  I128 t = 0, newT = 1;
  u64 r = n, newR = a;
  while (newR != 0) {
    const u64 q = r / newR;
    const I128 nextT = t - static_cast<I128>(q) * newT;
    t = newT;
    newT = nextT;
    const u64 nextR = r - q * newR;
    r = newR;
    newR = nextR;
  }
  if (t < 0) t += n;
  return static_cast<u64>(t);
}

constexpr u64 kWheel = 210;  // stage 2 steps over multiples of 2*3*5*7

constexpr std::size_t kPrimeTableSize = 1 << 14;
constexpr auto kIsPrime = [] {
  std::array<bool, kPrimeTableSize> table{};
  for (std::size_t i = 2; i < kPrimeTableSize; ++i) table[i] = true;
  for (std::size_t i = 2; i * i < kPrimeTableSize; ++i)
    if (table[i])
      for (std::size_t j = i * i; j < kPrimeTableSize; j += i) table[j] = false;
  return table;
}();

bool isStage2Prime(u64 q, const EcmBounds& bounds) {
  return q > static_cast<u64>(bounds.stage1) && q <= static_cast<u64>(bounds.stage2) &&
         q < kPrimeTableSize && kIsPrime[static_cast<std::size_t>(q)];
}

}  // namespace

std::optional<u64> ecmFactor(const Montgomery& m, EcmBounds bounds,
                             const std::function<bool()>& stop) {
  const u64 n = m.modulus();
  const std::vector<u64> scalars = stage1Scalars(bounds.stage1);
  const u64 lastGiant = static_cast<u64>(bounds.stage2) / kWheel + 1;
  std::vector<u64> babies;  // odd j < 105 prime to 210
  for (u64 j = 1; j < kWheel / 2; j += 2)
    if (gcd64(j, kWheel) == 1) babies.push_back(j);

  std::vector<Point> baby(kWheel / 2 + 1);
  std::vector<u64> prefix(babies.size() + 1, m.one());
  std::vector<u64> babyX(babies.size());
  auto proper = [n](u64 g) { return g > 1 && g < n; };
  for (int c = 0; c < bounds.curves; ++c) {
    if (stop && stop()) return std::nullopt;
    // Suyama's curves: the group order is a multiple of 12, which helps it to be smooth.
    const u64 sigma = m.toForm(static_cast<u64>(c) + 6);
    const u64 u = m.sub(m.mul(sigma, sigma), m.toForm(5));
    const u64 v = m.add(m.add(sigma, sigma), m.add(sigma, sigma));
    const u64 u3 = m.mul(m.mul(u, u), u);
    const u64 vMinusU = m.sub(v, u);
    const u64 numerator = m.mul(m.mul(m.mul(vMinusU, vMinusU), vMinusU),
                                m.add(m.add(m.add(u, u), u), v));
    const u64 denominator = m.fromForm(m.mul(m.mul(m.toForm(16), u3), v));
    const u64 g0 = gcd64(denominator, n);
    if (proper(g0)) return g0;
    if (g0 != 1) continue;
    const Curve curve(m, m.mul(numerator, m.toForm(inverse(denominator, n))));

    Point p{u3, m.mul(m.mul(v, v), v)};
    for (u64 k : scalars) p = curve.times(p, k);
    const u64 g1 = gcd64(p.z, n);
    if (proper(g1)) return g1;
    if (g1 != 1) continue;

    // Stage 2: is [g*210 +- j]p the point at infinity for one more prime q = g*210 +- j?
    // Then the x-coordinates of [g*210]p and [j]p agree modulo the factor.
    const Point two = curve.dbl(p);
    baby[1] = p;
    baby[3] = curve.add(two, p, p);
    for (std::size_t j = 5; j < kWheel / 2; j += 2) baby[j] = curve.add(baby[j - 2], two, baby[j - 4]);
    // x = X/Z of the babies, with one inversion for all of them.
    for (std::size_t i = 0; i < babies.size(); ++i)
      prefix[i + 1] = m.mul(prefix[i], baby[static_cast<std::size_t>(babies[i])].z);
    const u64 all = m.fromForm(prefix.back());
    const u64 g2 = gcd64(all, n);
    if (proper(g2)) return g2;
    if (g2 != 1) continue;
    u64 rest = m.toForm(inverse(all, n));
    for (std::size_t i = babies.size(); i-- > 0;) {
      const Point& b = baby[static_cast<std::size_t>(babies[i])];
      babyX[i] = m.mul(b.x, m.mul(rest, prefix[i]));
      rest = m.mul(rest, b.z);
    }

    const Point giant1 = curve.times(p, kWheel);
    Point previous{}, giant = giant1;
    u64 product = m.one();
    for (u64 g = 1; g <= lastGiant; ++g) {
      const u64 centre = g * kWheel;
      for (std::size_t i = 0; i < babies.size(); ++i) {
        const u64 j = babies[i];
        if (!isStage2Prime(centre - j, bounds) && !isStage2Prime(centre + j, bounds)) continue;
        product = m.mul(product, m.sub(giant.x, m.mul(babyX[i], giant.z)));
      }
      const Point next = g == 1 ? curve.dbl(giant1) : curve.add(giant, giant1, previous);
      previous = giant;
      giant = next;
    }
    const u64 g3 = gcd64(product, n);
    if (proper(g3)) return g3;
  }
  return 0;
}

}  // namespace ravlo::detail
