#pragma once
// Vertical text: one character under the other, as the weekly goal stands beside the
// calculation screen.
#include <string_view>

#include "render/canvas.h"

namespace ravlo {

// Writes the text top to bottom starting at (x, y) in the canvas font and text colour.
// align 0 puts the column's left edge at x, 1 centres it on x, any other value puts its right
// edge at x. pitch is the advance from one character to the next in % of the character
// height. A full-width character fills the column; a half-width one stands near its middle.
// Returns the y below the last character.
int TategakiDraw(Canvas& c, int x, int y, std::string_view text, int align, int pitch);

}  // namespace ravlo
