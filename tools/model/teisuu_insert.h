#pragma once
// A constant (or any number text) typed into the line of the calculation screen at its end,
// as if its characters had been keyed after the line.
#include <string_view>

namespace ravlo {

class CalcState;

// The line with the value is checked as a whole first (the checker shows why it refuses);
// when it passes, the line is typed again with the value and stays open for input. A line
// already answered gives way to a new one that starts with the value. True when the line
// took the value.
bool TeisuuInsertText(CalcState& st, std::string_view value);

}  // namespace ravlo
