#pragma once
// Decimal answers as the screen shows them: at most 18 places; a decimal that needs more,
// repeating or not, is cut and marked "u".
#include <cstddef>
#include <cstdint>
#include <string>

namespace ravlo {

inline constexpr std::size_t kShownPlaces = 18;

// Decimal places of the exact decimal of 1/d when d has only the factors 2 and 5.
int terminatingPlaces(std::int64_t d);

// The decimal text (trailing zeros removed) cut after 17 places and marked "u".
std::string cutDecimal(const std::string& decimal);

}  // namespace ravlo
