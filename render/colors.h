#pragma once
// The fixed colours of the built-up drawing (0x00BBGGRR).
#include "render/canvas.h"

namespace ravlo {

inline constexpr Color kBlack = 0x000000;
inline constexpr Color kRed = 0x0000FF;       // operators and signs
inline constexpr Color kBlue = 0xFF0000;      // brackets, "＝", relation signs, the cursor
inline constexpr Color kDarkRed = 0x000080;   // "!", "P", "C", ":", exponents, reduced numbers
inline constexpr Color kNavy = 0x800000;      // variables inside a run, whole parts of reductions
inline constexpr Color kMagenta = 0xFF00FF;   // cursor inside a repeating period, reductions
inline constexpr Color kPurple = 0x800080;    // an opened "[" of an expression fraction
inline constexpr Color kHotLight = 0xCC6600;  // variables outside runs (the desktop hot-light blue)

}  // namespace ravlo
