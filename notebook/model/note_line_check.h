#pragma once
// The input checker as the notebook runs it on a stored problem.
#include <cstddef>
#include <string_view>

#include "expr/inp_check_state.h"

namespace ravlo {

// 0 when the problem is well formed, else the position (from 1) of the first bad character;
// `st.InpErrNo` then says why. The solution after "&" of a solved equation or inequality is
// the solver's own text, with relation signs such as "＝" that no typed line may hold, so
// only the part before its "&" is checked. Nothing is shown to the learner.
std::size_t NoteLineCheck(InpCheckState& st, std::string_view text);

}  // namespace ravlo
