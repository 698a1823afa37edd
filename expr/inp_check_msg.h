#pragma once
// The input checker's numbered messages.
#include <array>
#include <cstddef>
#include <string_view>

namespace ravlo {

inline constexpr std::size_t kInpCheckMsgCount = 41;

// Indexed by the checker's error number.
extern const std::array<std::string_view, kInpCheckMsgCount> InpCheckMsg;

// The message for an error number; "" for a number outside the table.
std::string_view inpCheckMessage(int errorNumber);

}  // namespace ravlo
