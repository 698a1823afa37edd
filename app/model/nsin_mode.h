#pragma once
// Base-n mode of the calculation screen: while it is on, A-F and ">" can be typed and "=",
// "/" or the "?" button convert a line such as "255>(16" between bases.
#include <string_view>

#include "app/model/calc_state.h"

namespace ravlo {

inline constexpr std::string_view kNsinModeOnText = "Ｎ進法変換モードに入りました！!";
inline constexpr std::string_view kNsinModeOffText = "Ｎ進法変換モードを出ました！!";

// Toggles NsinMode. Speaking every key is held off while the mode is on.
void NsinModeSwitch(CalcState& st);
// Converts the line in base-n mode; true when the line now holds the result.
bool NsinHenkan(CalcState& st);

}  // namespace ravlo
