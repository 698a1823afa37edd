#pragma once
// Pollard's rho with Brent's cycle search: slow only when both factors are large, but it
// always finds one.
#include <cstdint>
#include <functional>
#include <optional>

#include "core/montgomery64.h"

namespace ravlo::detail {

// A proper divisor of the odd composite modulus, or nullopt when `stop` said so (it is asked
// every 128 steps).
std::optional<std::uint64_t> pollardRhoFactor(const Montgomery& mont,
                                              const std::function<bool()>& stop);

}  // namespace ravlo::detail
