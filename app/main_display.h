#pragma once
// The calculation screen's picture, drawn afresh from the calculation state on every paint:
// background, line-head marker, the line being typed or the computed line (or the worked
// solution), the note beside a decimal answer, and the blinking cursor. The window places
// its panels itself; nothing here knows about widgets.
#include <string_view>

#include "app/model/calc_state.h"
#include "render/canvas.h"

namespace ravlo {

// The calculation screen's font: FONTNAME / FONTSIZE of "▼計算画面▼", fixed pitch.
FontSpec calcScreenFont(const CalcSettings& settings);

// Puts the calculation screen's font, pen and brush on the canvas.
void setUpCalcCanvas(Canvas& c, const CalcSettings& settings);

// MainPaint: everything of the calculation screen of size width × height; the cursor block
// is drawn when cursorShown and the line is open. The canvas must be set up (setUpCalcCanvas).
void MainPaint(Canvas& c, CalcState& st, int width, int height, bool cursorShown);

// MainDsp: the result of "=" (or of a conversion) in the Answered state. Returns 1.
int MainDsp(Canvas& c, CalcState& st, std::string_view siki, bool hasProcess);

// LineMark: the marker at the head of the line; returns the pen x after it.
int LineMark(Canvas& c, const CalcState& st);

// The cursor block in the cursor colour.
void drawCursor(Canvas& c, const CalcState& st);

}  // namespace ravlo
