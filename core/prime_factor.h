#pragma once
// Prime factorization of 64-bit values: deterministic Miller-Rabin and Pollard's rho (Brent),
// so even a 19-digit prime or a product of two 32-bit primes factors in microseconds.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ravlo {

struct PrimePower {
  std::uint64_t prime = 0;
  int exponent = 0;
  bool operator==(const PrimePower&) const = default;
};

bool isPrime64(std::uint64_t n);

// The prime powers of n (n >= 1; 1 has none), primes ascending; nullopt for 0, which has
// none. `stop` is asked now and then while the work goes on; when it says true the
// factorization gives up and returns nullopt.
std::optional<std::vector<PrimePower>> factorize64(std::uint64_t n,
                                                   const std::function<bool()>& stop = {});

// "p^e*q*..." with the primes ascending and "^e" only for e >= 2; "1" for no factors.
std::string factorizationText(const std::vector<PrimePower>& factors);

}  // namespace ravlo
