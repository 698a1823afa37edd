#pragma once
// A whole line that a tool puts onto the calculation screen at once, rather than key by key.
#include <string_view>

namespace ravlo {

class CalcState;

// The line as if it had been typed: the checker stands where typing would have left it, so
// the learner can go on with it. A line that holds its answer column ("&"), or that the
// checker refuses, is closed instead: nothing typed onto it could make sense.
void putTypedLine(CalcState& st, std::string_view line);

// A computed line: closed, and what restore brings back.
void putFinishedLine(CalcState& st, std::string_view line);

}  // namespace ravlo
