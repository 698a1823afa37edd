#pragma once
// Arithmetic modulo an odd 64-bit n in Montgomery form (R = 2^64): values are kept as a*R mod
// n, so a product needs no division.
#include <cstdint>

namespace ravlo::detail {

__extension__ typedef unsigned __int128 U128;

class Montgomery {
 public:
  explicit Montgomery(std::uint64_t n) : n_(n) {
    std::uint64_t inv = n;  // n * n == 1 (mod 8) for odd n; each Newton step doubles the bits
    for (int i = 0; i < 5; ++i) inv *= 2 - n * inv;
    nInv_ = inv;
    one_ = (0 - n) % n;
    r2_ = static_cast<std::uint64_t>(static_cast<U128>(one_) * one_ % n);
  }
  std::uint64_t modulus() const { return n_; }
  std::uint64_t one() const { return one_; }
  // t / R mod n, for t < n * 2^64.
  std::uint64_t reduce(U128 t) const {
    const std::uint64_t m = static_cast<std::uint64_t>(t) * nInv_;
    const auto mnHigh = static_cast<std::uint64_t>((static_cast<U128>(m) * n_) >> 64);
    const auto tHigh = static_cast<std::uint64_t>(t >> 64);
    return tHigh >= mnHigh ? tHigh - mnHigh : tHigh - mnHigh + n_;
  }
  std::uint64_t mul(std::uint64_t a, std::uint64_t b) const {
    return reduce(static_cast<U128>(a) * b);
  }
  std::uint64_t add(std::uint64_t a, std::uint64_t b) const {
    const std::uint64_t s = a + b;  // may wrap when n is above 2^63; subtracting n unwraps it
    return (s < a || s >= n_) ? s - n_ : s;
  }
  std::uint64_t sub(std::uint64_t a, std::uint64_t b) const {
    return a >= b ? a - b : a - b + n_;
  }
  std::uint64_t toForm(std::uint64_t a) const { return mul(a % n_, r2_); }
  std::uint64_t fromForm(std::uint64_t a) const { return reduce(a); }
  std::uint64_t pow(std::uint64_t base, std::uint64_t e) const {
    std::uint64_t result = one_;
    while (e > 0) {
      if (e & 1) result = mul(result, base);
      base = mul(base, base);
      e >>= 1;
    }
    return result;
  }

 private:
  std::uint64_t n_;
  std::uint64_t nInv_ = 0;
  std::uint64_t one_ = 0;
  std::uint64_t r2_ = 0;
};

inline std::uint64_t gcd64(std::uint64_t a, std::uint64_t b) {
  if (a == 0) return b;
  if (b == 0) return a;
  const int shift = __builtin_ctzll(a | b);
  a >>= __builtin_ctzll(a);
  while (b != 0) {
    b >>= __builtin_ctzll(b);
    if (a > b) {
      const std::uint64_t t = a;
      a = b;
      b = t;
    }
    b -= a;
  }
  return a << shift;
}

}  // namespace ravlo::detail
