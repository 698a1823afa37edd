#pragma once
// What the version window says.
#include <string_view>

namespace ravlo {

inline constexpr std::string_view kVersionCaption = "バージョン情報";
inline constexpr std::string_view kProductName = "分数計算器『ラヴロ(RS)』";
inline constexpr std::string_view kVersionText = "Version RS02 (Linux)";
inline constexpr std::string_view kVersionAccessibleName = "バージョン RS02 (Linux)";

}  // namespace ravlo
