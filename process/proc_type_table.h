#pragma once
// The process types and the header line drawn above each kind of worked solution.
#include <string_view>

namespace ravlo {

inline constexpr int kProcTypeCount = 19;  // types 00 .. 18

// The header text of a process type; "" outside 0..18.
std::string_view procTypeHeader(int type);

// True for the types whose alternative solution F6 shows.
bool procTypeHasBetsukai(int type);

}  // namespace ravlo
