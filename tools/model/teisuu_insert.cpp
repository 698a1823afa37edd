#include "tools/model/teisuu_insert.h"

#include <string>

#include "app/model/calc_state.h"
#include "expr/inp_check.h"

namespace ravlo {

bool TeisuuInsertText(CalcState& st, std::string_view value) {
  if (value.empty()) return false;
  const std::string text = (st.InpAccept ? st.InpSiki : std::string()) + std::string(value);
  InpCheckState check;
  if (SikiCheck(check, text, false, true, true, true, st.sink()) != 0) return false;
  st.SikiClear();
  // The line was read aloud as it was typed; its second typing is not.
  st.ReplayMode = true;
  st.JiInputText(text);
  st.ReplayMode = false;
  return true;
}

}  // namespace ravlo
