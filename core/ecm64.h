#pragma once
// Lenstra's elliptic-curve method for 64-bit composites: finds the factors of 31 and 32 bits
// that make Pollard's rho slow in far fewer multiplications.
#include <cstdint>
#include <functional>
#include <optional>

#include "core/montgomery64.h"

namespace ravlo::detail {

struct EcmBounds {
  int stage1 = 150;    // B1: every prime power up to it
  int stage2 = 10000;  // B2: one more prime up to it (below 16384)
  int curves = 300;
};

// A proper divisor of the odd composite modulus (one with no factor below 7), 0 when the
// curves found none, nullopt when `stop` said so (it is asked once per curve).
std::optional<std::uint64_t> ecmFactor(const Montgomery& mont, EcmBounds bounds,
                                       const std::function<bool()>& stop);

}  // namespace ravlo::detail
